#include "ui/widgets/caption_option.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kFocusMargin = 1; // the focus frame lies one pixel around the caption
} // namespace

CaptionOption::CaptionOption(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {}

QRect CaptionOption::captionArea() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    area.setRight(rect().right() - kFocusMargin);
    return area.adjusted(kFocusMargin, 0, 0, 0);
}

void CaptionOption::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.state &= ~QStyle::State_HasFocus; // the focus frame goes around the wrapped caption
    painter.drawControl(QStyle::CE_RadioButton, option);

    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    QRect used;
    painter.drawText(captionArea(), kCaptionFlags, text(), &used);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = used.adjusted(-kFocusMargin, -kFocusMargin, kFocusMargin, kFocusMargin);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

// The whole box takes the click, the wrapped caption included.
bool CaptionOption::hitButton(const QPoint& position) const {
    return rect().contains(position);
}
