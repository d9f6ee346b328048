// Loses one block on purpose: in the sanitizer build this program must end with LeakSanitizer's
// report, which shows that leaks found in the other tests would fail them too.
#include <cstdlib>

int main() {
    void* volatile block = std::malloc(64);
    block = nullptr;
    return block == nullptr ? 0 : 1;
}
