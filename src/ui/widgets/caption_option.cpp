#include "ui/widgets/caption_option.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
} // namespace

CaptionOption::CaptionOption(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {}

void CaptionOption::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.state &= ~QStyle::State_HasFocus; // the focus frame goes around the wrapped caption
    painter.drawControl(QStyle::CE_RadioButton, option);

    option.rect = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    option.rect.setRight(rect().right());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    QRect used;
    painter.drawText(option.rect, kCaptionFlags, text(), &used);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = used.adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

// The whole box takes the click, the wrapped caption included.
bool CaptionOption::hitButton(const QPoint& position) const {
    return rect().contains(position);
}
