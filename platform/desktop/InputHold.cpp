#include "InputHold.h"

void InputHold::Run(QEventLoop& loop) {
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    s_lastEnd = Clock::now();
}
