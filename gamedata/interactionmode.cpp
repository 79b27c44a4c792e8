#include "gamedata/interactionmode.h"

#include "stock/decimalnumber.h"

namespace rcl {

InteractionMode parseInteractionMode(QStringView setting)
{
    const std::optional<DecimalNumber> number = DecimalNumber::parse(setting);
    if (!number || number->compare(0) == 0)
        return InteractionMode::Hover;
    return number->compare(1) == 0 ? InteractionMode::Click : InteractionMode::SelectOnly;
}

} // namespace rcl
