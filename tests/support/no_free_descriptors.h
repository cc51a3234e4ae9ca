// While one lives, the process can open no new file (EMFILE): a real failure of a passing kind,
// which strikes the superuser too.
#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace pv::testing {

class NoFreeDescriptors {
  public:
    NoFreeDescriptors() {
        getrlimit(RLIMIT_NOFILE, &before_);
        int lowest = open("/dev/null", O_RDONLY | O_CLOEXEC);
        close(lowest);
        rlimit none = before_;
        none.rlim_cur = static_cast<rlim_t>(lowest);
        setrlimit(RLIMIT_NOFILE, &none);
    }
    ~NoFreeDescriptors() { setrlimit(RLIMIT_NOFILE, &before_); }
    NoFreeDescriptors(const NoFreeDescriptors&) = delete;
    NoFreeDescriptors& operator=(const NoFreeDescriptors&) = delete;

  private:
    rlimit before_{};
};

}  // namespace pv::testing
