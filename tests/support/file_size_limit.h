// A file size limit makes a write fail part-way, as a full disk would, even for root.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <functional>

namespace ivgen::test_support {

/// Runs `write` with files limited to `bytes`; its answer.
inline bool WithFileSizeLimit(rlim_t bytes, const std::function<bool()>& write) {
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit tiny = old;
  tiny.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &tiny);
  const bool written = write();
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previousHandler);
  return written;
}

}  // namespace ivgen::test_support
