#include "gen_advpl/coordinates.h"

#include "gen_advpl/formatting.h"
#include "model/containers.h"
#include "model/dialog.h"
#include "model/text_controls.h"

namespace dd {
namespace {

constexpr int kDigits = 3;

const TTGroup *enclosingGroup(const Control &control)
{
    return qobject_cast<const TTGroup *>(control.parentControl());
}

int topValue(const Control &control, int offset)
{
    const TTGroup *group = enclosingGroup(control);
    return halved(control.top() + (group ? group->top() : 0)) + offset;
}

int leftValue(const Control &control, int offset)
{
    const TTGroup *group = enclosingGroup(control);
    return halved(control.left() + (group ? group->left() : 0)) + offset;
}

int heightValue(const Control &control)
{
    int height = halved(control.height());
    if (qobject_cast<const TTGet *>(&control))
        height -= 2;
    else if (qobject_cast<const TTMSDialog *>(&control))
        height += 3;
    return height;
}

int widthValue(const Control &control, int offset) { return halved(control.width()) + offset; }

} // namespace

int halved(int pixels) { return pixels / 2; }

QString controlTop(const Control &control, int offset) { return zeroFilled(topValue(control, offset), kDigits); }

QString controlLeft(const Control &control, int offset) { return zeroFilled(leftValue(control, offset), kDigits); }

QString controlHeight(const Control &control) { return zeroFilled(heightValue(control), kDigits); }

QString controlWidth(const Control &control, int offset) { return zeroFilled(widthValue(control, offset), kDigits); }

QString controlBottom(const Control &control)
{
    return zeroFilled(topValue(control, 0) + heightValue(control), kDigits);
}

QString controlRight(const Control &control)
{
    return zeroFilled(leftValue(control, 0) + widthValue(control, 0), kDigits);
}

} // namespace dd
