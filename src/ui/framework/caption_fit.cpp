#include "ui/framework/caption_fit.h"

#include "ui/widgets/caption_button.h"
#include "ui/widgets/caption_option.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <optional>

namespace {

constexpr int kNarrowest = 50; // a caption condensed to half its width is still readable, less is not

struct Caption {
    QString text;
    QRect area;
    int flags;
};

// A frame's caption sits on its top line, as far in from the right edge as
// from the left one.
QRect frameCaptionArea(const QGroupBox& frame) {
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title =
        frame.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &frame);
    return QRect(title.left(), title.top(), frame.width() - 2 * title.left(), frame.height());
}

std::optional<Caption> captionOf(const QWidget& control) {
    if (const auto* button = qobject_cast<const CaptionButton*>(&control))
        return Caption{button->text(), button->captionArea(), CaptionButton::kCaptionFlags};
    if (const auto* option = qobject_cast<const CaptionOption*>(&control))
        return Caption{option->text(), option->captionArea(), CaptionOption::kCaptionFlags};
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
        return Caption{frame->title(), frameCaptionArea(*frame), Qt::AlignLeft | Qt::TextShowMnemonic};
    if (const auto* label = qobject_cast<const QLabel*>(&control); label && label->pixmap().isNull())
        return Caption{label->text(), label->contentsRect(),
                       int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)};
    return std::nullopt;
}

// Every line no wider than the area, and the lines no taller; a single line
// only by its glyphs, since the blank above and below them may overlap the
// edge unseen.
bool fits(const QFont& font, const Caption& caption) {
    const QFontMetrics metrics(font);
    const QRect lines =
        metrics.boundingRect(QRect(0, 0, caption.area.width(), 1 << 20), caption.flags, caption.text);
    if (lines.width() > caption.area.width())
        return false;
    if (lines.height() <= caption.area.height())
        return true;
    if (lines.height() > metrics.height())
        return false;
    const QRect glyphs = metrics.tightBoundingRect(caption.text);
    const int top = (caption.flags & Qt::AlignVCenter) ? (caption.area.height() - metrics.height()) / 2 : 0;
    const int baseline = top + metrics.ascent();
    return baseline + glyphs.top() >= 0 && baseline + glyphs.bottom() < caption.area.height();
}

} // namespace

void condenseCaptionToFit(QWidget& control) {
    const std::optional<Caption> caption = captionOf(control);
    if (!caption || caption->text.isEmpty() || fits(control.font(), *caption))
        return;
    // Condensing helps only where the caption is too wide or wraps into
    // lines too many for the box; a caption that no stretch fits stays as it is.
    QFont font = control.font();
    for (int stretch = 99; stretch >= kNarrowest; --stretch) {
        font.setStretch(stretch);
        if (fits(font, *caption)) {
            control.setFont(font);
            return;
        }
    }
}
