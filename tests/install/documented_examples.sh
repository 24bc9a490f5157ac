#!/usr/bin/env bash
# Runs the examples of the README and the man pages as a reader would type them, so an edit that
# breaks one fails here: every command line of a shell example, and every ivgen-batch script of
# the batch man page and of batch.md, where a block led by "prints" is the output the script
# before it must print. A line that cannot run here (it builds, fuzzes for hours or waits for a
# player at the window) is named below with the reason and only checked against the source; a
# line this script does not know fails, so a new example gets looked at.
#   documented_examples.sh BUILD SOURCE WORKDIR WINDOW   (WINDOW: 1 when BUILD has the window)
set -euo pipefail
build=$1 source=$2 work=$3 window=$4
rm -rf "$work"
mkdir -p "$work/blocks"

fail() {
  echo "$*" >&2
  exit 1
}

# The installed programs the examples call, with a player's folder of their own.
cmake --install "$build" --prefix "$work/prefix" >/dev/null
export PATH="$work/prefix/bin:$PATH" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen
samples="$work/prefix/lib/ivgen/samples"

# Each block becomes N.text, with N.info holding "origin<TAB>lead": where it starts, and the last
# line of prose before it.
extract() {
  local file=$1 kind=$2
  awk -v dir="$work/blocks" -v origin="${file#"$source"/}" -v kind="$kind" -v first="$(find "$work/blocks" -name '*.info' | wc -l)" '
    BEGIN { n = first }
    kind == "md" && /^```/ { if (open) { open = 0 } else { open = 1; start(); } next }
    kind == "man" && /^\.nf/ { open = 1; start(); next }
    kind == "man" && /^\.fi/ { open = 0; next }
    open { if (kind == "man") { gsub(/\\-/, "-"); gsub(/\\e/, "\\") } print > (dir "/" n ".text"); next }
    kind == "md" && NF { lead = $0 }
    kind == "man" && NF && !/^\./ { lead = $0 }
    function start() { n++; printf "" > (dir "/" n ".text"); print origin ":" NR "\t" lead > (dir "/" n ".info") }
  ' "$file"
}
extract "$source/README.md" md
extract "$source/docs/batch.md" md
for page in "$source"/packaging/man/*.1; do extract "$page" man; done

# A fresh folder for each example: a character, a party of three, and "build" for the build folder.
fresh() {
  local folder
  folder=$(mktemp -d "$work/run.XXXX")
  cp "$samples/greymane.iv3" "$folder/"
  mkdir "$folder/party"
  cp "$samples"/*.iv3 "$folder/party/"
  ln -s "$build" "$folder/build"
  echo "$folder"
}

not_run() {
  echo "not run: $1 ($2)"
}

# A line that is not run still names only what exists: options of the build, scripts, benchmarks.
check_names() {
  local line=$1 word -
  set -f
  for word in $line; do
    case "$word" in
      -DIVGEN_*=*)
        word=${word#-D}
        grep -q "option(${word%%=*} " "$source/CMakeLists.txt" || fail "$origin: no build option ${word%%=*}: $line"
        ;;
      scripts/* | fuzz/*.sh | bench/*.sh) [ -x "$source/$word" ] || fail "$origin: $word is not in the source: $line" ;;
      build-bench/bin/*) grep -q "add_executable(${word##*/} " "$source/bench/CMakeLists.txt" ||
        fail "$origin: no benchmark ${word##*/}: $line" ;;
    esac
  done
}

shell_line() {
  local line=$1 folder status
  case "$line" in
    "scripts/dev.sh run")
      not_run "$line" "builds, then starts the window and waits for the player"
      ;;
    "scripts/dev.sh test")
      not_run "$line" "builds and runs every test, this one among them; .ci/run runs it"
      ;;
    "(cd build && cpack -G DEB)")
      not_run "$line" "makes the Debian package; .ci/run runs this line and checks the package"
      ;;
    "CC=clang-14 "* | "cmake --build build-fuzz"* | "fuzz/run.sh "*)
      not_run "$line" "the fuzz targets: a clang build of their own, then minutes to hours; .ci/run fuzzes"
      ;;
    "cmake -S . -B build-bench "* | "cmake --build build-bench"* | "build-bench/bin/"* | "bench/startup.sh "*)
      not_run "$line" "a release build of its own, then timings"
      ;;
    "cmake --install build --prefix "*)
      # Staged under DESTDIR, the prefix as written: the installed checker finds the catalogs whole.
      folder=$(fresh)
      (cd "$folder" && export DESTDIR="$folder/staged" && eval "$line") >/dev/null || fail "$origin: $line failed"
      local prefix=${line#*--prefix }
      prefix=${prefix%% *}
      "$folder/staged$prefix/bin/ivgen-batch" --check-data >"$folder/checked" ||
        fail "$origin: after $line the installed catalogs have problems: $(cat "$folder/checked")"
      echo "ran: $line"
      return
      ;;
    *"ivgen --export-pdf "* | *"ivgen --export-json "*)
      if [ "$window" != 1 ]; then
        not_run "$line" "this build has no window program"
        return
      fi
      folder=$(fresh)
      status=0
      (cd "$folder" && eval "$line") 2>"$folder/said" || status=$?
      [ "$status" = 0 ] && [ ! -s "$folder/said" ] || fail "$origin: $line ended with $status: $(cat "$folder/said")"
      if [[ "$line" == *--export-json* ]]; then
        grep -q '"format": *"ivgen-character"' "$folder/${line##* }" 2>/dev/null ||
          fail "$origin: $line wrote no character document ${line##* }"
      elif [[ "$line" == *party/* ]]; then
        local pdf
        for character in "$folder"/party/*.iv3; do
          pdf=${character%.iv3}.pdf
          [ "$(head -c 4 "$pdf" 2>/dev/null)" = "%PDF" ] || fail "$origin: $line left no PDF of ${character##*/}"
        done
      else
        [ "$(head -c 4 "$folder/${line##* }" 2>/dev/null)" = "%PDF" ] || fail "$origin: $line wrote no ${line##* }"
      fi
      echo "ran: $line"
      return
      ;;
    *)
      fail "$origin: an example this test does not know; run it here, or say why it cannot run: $line"
      ;;
  esac
  check_names "$line"
}

# Runs an ivgen-batch script; with an output block, its standard output must be that, exactly.
batch_script() {
  local script=$1 expected=$2 folder status=0
  folder=$(fresh)
  (cd "$folder" && ivgen-batch "$script") >"$folder/out" 2>"$folder/errors" || status=$?
  [ "$status" = 0 ] && [ ! -s "$folder/errors" ] ||
    fail "$origin: the script ended with $status: $(cat "$folder/errors")"$'\n'"$(cat "$script")"
  if [ -n "$expected" ] && ! cmp -s "$expected" "$folder/out"; then
    fail "$origin: the script prints otherwise:"$'\n'"$(diff "$expected" "$folder/out")"
  fi
}

ran=0
count=$(find "$work/blocks" -name '*.info' | wc -l)
for ((n = 1; n <= count; n++)); do
  IFS=$'\t' read -r origin lead <"$work/blocks/$n.info"
  text="$work/blocks/$n.text"
  if [ "$lead" = prints ]; then
    continue  # the output of the script before it
  fi
  expected=
  if [ $((n + 1)) -le "$count" ] && [ "$(cut -f2 "$work/blocks/$((n + 1)).info")" = prints ]; then
    expected="$work/blocks/$((n + 1)).text"
  fi
  case "$origin" in
    docs/batch.md:*)
      # The command reference shows output formats too; its examples are the scripts with output.
      [ -n "$expected" ] || continue
      batch_script "$text" "$expected"
      echo "ran: the ivgen-batch script at $origin, output compared"
      ;;
    packaging/man/ivgen-batch.1:*)
      batch_script "$text" "$expected"
      echo "ran: the ivgen-batch script at $origin${expected:+, output compared}"
      ran=$((ran + 1))
      ;;
    *)
      while IFS= read -r line; do
        line=$(sed -E 's/[[:space:]]+#.*$//; s/[[:space:]]+$//' <<<"$line")
        [ -n "$line" ] && [ "${line:0:1}" != "#" ] || continue
        shell_line "$line"
      done <"$text"
      ;;
  esac
done
[ "$ran" -gt 0 ] || fail "no ivgen-batch script was found in the man pages"
