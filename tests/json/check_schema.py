#!/usr/bin/env python3
"""The published schema against the documents: every character file exported by ivgen-batch
validates, and every row of the broken-document table is refused, as the importer refuses it.

    check_schema.py SCHEMA DATA_FOLDER IVGEN_BATCH CHARACTER_FILE...
"""
import json
import os
import subprocess
import sys
import tempfile

import jsonschema

PLACEHOLDER = "@@SPLICE@@"


def load(data):
    """Strict UTF-8 and no key twice, as the importer reads."""
    def no_twice(pairs):
        keys = [key for key, _ in pairs]
        if len(keys) != len(set(keys)):
            raise ValueError("a key appears twice")
        return dict(pairs)
    return json.loads(data.decode("utf-8"), object_pairs_hook=no_twice)


def at(document, pointer):
    """The container holding the value at a JSON Pointer, and the value's key or index."""
    parts = [part.replace("~1", "/").replace("~0", "~") for part in pointer.split("/")[1:]]
    for part in parts[:-1]:
        document = document[int(part)] if isinstance(document, list) else document[part]
    last = parts[-1]
    return document, int(last) if isinstance(document, list) else last


def broken_document(base, row):
    document = json.loads(json.dumps(base))
    if "patch" in row:
        for op in row["patch"]:
            parent, key = at(document, op["path"])
            if op["op"] == "remove":
                del parent[key]
            else:
                parent[key] = op["value"]
        return json.dumps(document, ensure_ascii=False).encode("utf-8")
    if "deep" in row:
        path, depth = row["deep"]["path"], row["deep"]["depth"]
        raw = b"[" * depth + b"]" * depth
    elif "long" in row:
        path, raw = row["long"]["path"], b'"' + b"x" * row["long"]["length"] + b'"'
    else:
        path, raw = row["splice"]["path"], row["splice"]["text"].encode("latin-1")
    if not path:
        return raw
    parent, key = at(document, path)
    parent[key] = PLACEHOLDER
    text = json.dumps(document, ensure_ascii=False).encode("utf-8")
    return text.replace(b'"' + PLACEHOLDER.encode() + b'"', raw, 1)


def refused(validator, data):
    try:
        document = load(data)
    except (ValueError, RecursionError):
        return True
    return next(validator.iter_errors(document), None) is not None


def export(batch, character, folder):
    out = os.path.join(folder, "out.json")
    script = os.path.join(folder, "export.ivb")
    with open(script, "w", encoding="utf-8") as f:
        f.write('answer "%s"\nopen\nexport-json "%s"\n' % (character, out))
    subprocess.run([batch, script], check=True, stdout=subprocess.DEVNULL)
    with open(out, "rb") as f:
        return f.read()


def main():
    schema_path, data, batch = sys.argv[1:4]
    characters = sys.argv[4:]
    sys.setrecursionlimit(100000)
    with open(schema_path, "rb") as f:
        schema = json.loads(f.read())
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    failures = []

    documents = {}
    with tempfile.TemporaryDirectory() as folder:
        for character in characters:
            documents[character] = export(batch, character, folder)
    for name in sorted(os.listdir(data)):
        if name.endswith(".json") and name != "broken.json":
            with open(os.path.join(data, name), "rb") as f:
                documents[name] = f.read()
    for name, document in documents.items():
        for error in validator.iter_errors(load(document)):
            failures.append("%s does not validate: %s at %s" % (name, error.message[:200], error.json_path))

    with open(os.path.join(data, "razorback.json"), "rb") as f:
        base = load(f.read())
    with open(os.path.join(data, "broken.json"), "rb") as f:
        rows = load(f.read())
    for row in rows:
        if not refused(validator, broken_document(base, row)):
            failures.append("the schema takes the broken document: " + row["why"])

    for failure in failures:
        print(failure)
    print("%d documents valid, %d broken ones refused, %d failures" % (len(documents), len(rows), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
