#include "SpinnerStep.h"

#include "CheckedMath.h"
#include "NumberText.h"

namespace SpinnerStep {

QString Step(const QString& text, long double step, Direction direction, LowerBound bound) {
    const long double v = NumberText::StrToFloat(text);
    if (direction == Direction::Up)
        return NumberText::FloatToStr(Checked::add(v, step));
    if (bound == LowerBound::AboveStep && !(v > step))
        return text;
    return NumberText::FloatToStr(Checked::sub(v, step));
}

bool RebuildWanted(const QString& creditor, const QString& tip, const QString& summCred,
                   const QString& srok0, const QString& procent0) {
    return !creditor.isEmpty() && !tip.isEmpty() && !summCred.isEmpty() && !srok0.isEmpty() &&
           !procent0.isEmpty() && procent0 != QStringLiteral("0.00");
}

} // namespace SpinnerStep
