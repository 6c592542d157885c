#include "base/platform/mapping_guard.hpp"

#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <mutex>

namespace base::platform {

namespace {

// Slots the signal handler reads without locks: end is set last and cleared first, so a slot
// whose end is 0 is free or not yet ready.
struct Slot {
  std::atomic<std::uintptr_t> begin{0}, end{0};
  std::atomic<bool> faulted{false};
};

constexpr int kSlots = 64;
Slot slots[kSlots];
std::mutex claiming;  // guards claims and releases, never taken by the handler
struct sigaction previous {};

void onBus(int signal, siginfo_t* info, void* context) {
  const auto at = reinterpret_cast<std::uintptr_t>(info->si_addr);
  if (info->si_code > 0) {  // raised by a fault, not sent by kill()
    for (auto& slot : slots) {
      const std::uintptr_t end = slot.end.load(std::memory_order_acquire);
      const std::uintptr_t begin = slot.begin.load(std::memory_order_relaxed);
      if (end == 0 || at < begin || at >= end) continue;
      // The file ends before this page: zeros from here to the mapping's end, one fault only.
      const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
      const std::uintptr_t from = at & ~(page - 1);
      void* zeros = ::mmap(reinterpret_cast<void*>(from), end - from, PROT_READ,
                           MAP_FIXED | MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
      if (zeros != MAP_FAILED) {
        slot.faulted.store(true, std::memory_order_relaxed);
        return;
      }
      break;
    }
  }
  // Not ours: whoever handled the signal before us does, or the default action ends the program.
  if (previous.sa_flags & SA_SIGINFO) {
    if (previous.sa_sigaction) return previous.sa_sigaction(signal, info, context);
  } else if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
    return previous.sa_handler(signal);
  }
  ::sigaction(SIGBUS, &previous, nullptr);
  if (info->si_code <= 0) ::raise(SIGBUS);  // a fault repeats on return; a sent signal is sent again
}

void installOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    struct sigaction action {};
    action.sa_sigaction = onBus;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &previous);
  });
}

}  // namespace

int guardMapping(void* address, std::size_t size) {
  if (address == nullptr || size == 0) return -1;
  installOnce();
  std::lock_guard lock(claiming);
  for (int i = 0; i < kSlots; ++i) {
    Slot& slot = slots[i];
    if (slot.end.load(std::memory_order_relaxed) != 0) continue;
    const auto begin = reinterpret_cast<std::uintptr_t>(address);
    slot.faulted.store(false, std::memory_order_relaxed);
    slot.begin.store(begin, std::memory_order_relaxed);
    slot.end.store(begin + size, std::memory_order_release);
    return i;
  }
  return -1;
}

void unguardMapping(int slot) {
  if (slot < 0 || slot >= kSlots) return;
  std::lock_guard lock(claiming);
  slots[slot].end.store(0, std::memory_order_release);
}

bool mappingFaulted(int slot) {
  return slot >= 0 && slot < kSlots && slots[slot].faulted.load(std::memory_order_relaxed);
}

}  // namespace base::platform
