#include "layout_links.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QRegularExpression>
#include <algorithm>

namespace takton {
namespace {

QString qName(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QRect rectOf(const Rect& r)
{
    return {r.left, r.top, r.width, r.height};
}

// A result is a label the steps write into: no caption of its own and no link.
bool isResult(const ControlRow& row)
{
    return row.kind == Kind::Label && row.caption.isEmpty() && !row.style.link;
}

bool isCaption(const ControlRow& row)
{
    return row.kind == Kind::Label && !row.caption.trimmed().isEmpty();
}

// Lines of captions may touch by a pixel, and a row touched by one pixel only is
// another line's: of the captions to the item's left whose rows it shares, the one
// sharing most of its height, then the nearest.
const ControlRow* captionOf(const ControlRow& item, const std::vector<const ControlRow*>& captions)
{
    const QRect at = rectOf(item.rect);
    const ControlRow* best = nullptr;
    int bestShared = 0;
    for (const ControlRow* caption : captions) {
        const QRect r = rectOf(caption->rect);
        const int shared = std::min(r.bottom(), at.bottom()) - std::max(r.top(), at.top()) + 1;
        if (shared < 2 || r.left() > at.left() || caption == &item)
            continue;
        if (!best || shared > bestShared || (shared == bestShared && r.left() > best->rect.left)) {
            best = caption;
            bestShared = shared;
        }
    }
    return best;
}

// The gap drawn under `field`: the one its pixels overlap most, or nearest to it. A gap
// at the caption's end is as wide as the field drawn after it. The captions are plain
// Cyrillic and Latin text: the x of a position is the sum of the advances before it
// (and the letter spacing the caption was fitted with), within a few pixels of the
// shaped, kerned prefix over a thousand, and a gap under a field is wider than that.
CaptionGap gapUnder(const ControlRow& field, const ControlRow& caption, const QLabel* label)
{
    const QString text = caption.caption.toString();
    const std::vector<CaptionGap> gaps = captionGaps(text);
    const QFontMetricsF metrics(label->font());
    const qreal spacing = label->font().letterSpacing();
    std::vector<qreal> x(text.size() + 1, 0);
    for (qsizetype i = 0; i < text.size(); ++i)
        x[i + 1] = x[i] + metrics.horizontalAdvance(text[i]);
    const qreal fieldLeft = field.rect.left - caption.rect.left;
    const qreal fieldRight = fieldLeft + field.rect.width;
    CaptionGap best = gaps.front();
    qreal bestOverlap = -1e9;
    for (const CaptionGap& gap : gaps) {
        const qreal left = x[gap.start] + gap.start * spacing;
        const qreal right = gap.end == gap.start ? left + field.rect.width : x[gap.end] + gap.end * spacing;
        const qreal overlap = std::min(right, fieldRight) - std::max(left, fieldLeft);
        if (overlap > bestOverlap) {
            bestOverlap = overlap;
            best = gap;
        }
    }
    return best;
}

} // namespace

std::vector<CaptionGap> captionGaps(const QString& caption)
{
    static const QRegularExpression blankRun(QStringLiteral(" {3,}"));
    std::vector<CaptionGap> gaps;
    for (auto it = blankRun.globalMatch(caption); it.hasNext();) {
        const QRegularExpressionMatch run = it.next();
        gaps.push_back({run.capturedStart(), run.capturedEnd()});
    }
    if (gaps.empty() || gaps.back().end != caption.size())
        gaps.push_back({caption.size(), caption.size()});
    return gaps;
}

std::vector<const FieldLink*> LayoutLinks::fieldsOn(std::string_view caption) const
{
    std::vector<const FieldLink*> on;
    for (const FieldLink& link : fields)
        if (link.caption == caption)
            on.push_back(&link);
    return on;
}

LayoutLinks linkLayout(const std::vector<ControlRow>& rows, const QWidget* canvas)
{
    std::vector<const ControlRow*> captions;
    for (const ControlRow& row : rows)
        if (isCaption(row))
            captions.push_back(&row);
    LayoutLinks links;
    for (const ControlRow* caption : captions) {
        std::vector<const ControlRow*> on;
        for (const ControlRow& row : rows)
            if (row.kind == Kind::Edit && captionOf(row, captions) == caption)
                on.push_back(&row);
        std::sort(on.begin(), on.end(), [](auto* a, auto* b) { return a->rect.left < b->rect.left; });
        const auto* label = canvas->findChild<const QLabel*>(qName(caption->name), Qt::FindDirectChildrenOnly);
        for (const ControlRow* field : on)
            links.fields.push_back({field->name, caption->name, gapUnder(*field, *caption, label)});
    }
    for (const ControlRow& row : rows)
        if (isResult(row)) {
            const ControlRow* caption = captionOf(row, captions);
            links.results.push_back({row.name, caption ? caption->name : std::string_view{}});
        }
    return links;
}

} // namespace takton
