#include "Refusals.h"

namespace zorv {

const RefusalText* FindRefusal(long lNumber) {
    for (const RefusalText& text : kRefusalTexts)
        if (static_cast<long>(text.refusal) == lNumber)
            return &text;
    return nullptr;
}

} // namespace zorv
