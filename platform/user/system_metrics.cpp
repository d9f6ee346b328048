// Screen metrics: the desktop's size from the backend.
#include "platform/base/backend.h"
#include "platform/user/user.h"

int GetSystemMetrics(int index) {
    if (index == SM_CXSCREEN) return tkp::base::backend::DesktopSize().width;
    if (index == SM_CYSCREEN) return tkp::base::backend::DesktopSize().height;
    return 0;
}
