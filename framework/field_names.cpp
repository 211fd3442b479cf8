#include "field_names.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QFontMetricsF>
#include <algorithm>
#include <utility>
#include <vector>

namespace takton {
namespace {

bool sameRow(const QRect& a, const QRect& b)
{
    return a.top() < b.bottom() && b.top() < a.bottom();
}

// The caption label a field lies on, else the nearest label to its left on its row;
// `labels` holds only labels with a caption.
QLabel* captionOf(QLineEdit* field, const std::vector<QLabel*>& labels)
{
    QLabel* best = nullptr;
    for (QLabel* label : labels) {
        const QRect r = label->geometry();
        if (!sameRow(r, field->geometry()) || r.left() > field->x())
            continue;
        if (!best || r.left() > best->x())
            best = label;
    }
    return best;
}

QString tidy(QString text)
{
    return text.simplified();
}

// Where a caption's gaps begin and end, in pixels from the caption's left edge;
// measured once per caption, since every field on it is matched against all of them.
struct GapEdges {
    qreal left = 0, right = 0;
};

std::vector<GapEdges> edgesOf(const QLabel* caption, const std::vector<CaptionGap>& gaps)
{
    // The captions are plain Cyrillic and Latin text: the x of a position is the sum
    // of the advances before it, within a few pixels of the shaped, kerned prefix over
    // a thousand (a gap under a field is wider than that). Shaping every prefix again
    // would cost a window as much as all its other controls together.
    const QFontMetricsF metrics(caption->font());
    const QString text = caption->text();
    std::vector<qreal> x(text.size() + 1, 0);
    for (qsizetype i = 0; i < text.size(); ++i)
        x[i + 1] = x[i] + metrics.horizontalAdvance(text[i]);
    std::vector<GapEdges> edges;
    for (const CaptionGap& gap : gaps)
        edges.push_back({x[gap.start], x[gap.end]});
    return edges;
}

// The gap drawn under `field`: the one its pixels overlap most, or nearest to it. A
// gap at the caption's end is as wide as the field drawn after it.
CaptionGap gapUnder(const QLineEdit* field, const QLabel* caption, const std::vector<CaptionGap>& gaps,
             const std::vector<GapEdges>& edges)
{
    const qreal fieldLeft = field->x() - caption->x();
    const qreal fieldRight = fieldLeft + field->width();
    CaptionGap best = gaps.front();
    qreal bestOverlap = -1e9;
    for (std::size_t i = 0; i < gaps.size(); ++i) {
        const qreal left = edges[i].left;
        const qreal right = gaps[i].end == gaps[i].start ? left + field->width() : edges[i].right;
        const qreal overlap = std::min(right, fieldRight) - std::max(left, fieldLeft);
        if (overlap > bestOverlap) {
            bestOverlap = overlap;
            best = gaps[i];
        }
    }
    return best;
}

// The text less the unit of a field before it ("А,  I'к2 =" -> "I'к2 =").
QString withoutLeadingUnit(const QString& text)
{
    static const QRegularExpression unitEnd(QStringLiteral(",| {3,}"));
    const QRegularExpressionMatch end = unitEnd.match(text);
    return end.hasMatch() ? text.mid(end.capturedEnd()) : text;
}

// A field's unit ends at a comma or at a wide gap before the next caption.
QString leadingUnit(const QString& text)
{
    static const QRegularExpression unitEnd(QStringLiteral(",| {3,}"));
    const QRegularExpressionMatch end = unitEnd.match(text);
    return end.hasMatch() ? text.left(end.capturedStart()) : text;
}

// Every caption label with the fields that lie on it, left to right; a window has
// dozens of both, so each field's caption is looked up once.
std::vector<std::pair<QLabel*, std::vector<QLineEdit*>>> fieldsOnCaptions(QWidget* canvas)
{
    std::vector<QLabel*> captions;
    for (QLabel* label : canvas->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (!label->text().trimmed().isEmpty())
            captions.push_back(label);
    std::vector<std::pair<QLineEdit*, QLabel*>> fields;
    for (QLineEdit* field : canvas->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
        fields.emplace_back(field, captionOf(field, captions));
    std::vector<std::pair<QLabel*, std::vector<QLineEdit*>>> onCaptions;
    for (QLabel* caption : captions) {
        std::vector<QLineEdit*> onIt;
        for (const auto& [field, captionOfField] : fields)
            if (captionOfField == caption)
                onIt.push_back(field);
        if (onIt.empty())
            continue;
        std::sort(onIt.begin(), onIt.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        onCaptions.emplace_back(caption, std::move(onIt));
    }
    return onCaptions;
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

void nameFieldsAfterCaptions(QWidget* canvas)
{
    for (const auto& [caption, onIt] : fieldsOnCaptions(canvas)) {
        // Each field takes the gap drawn under it; a run of blanks between two units
        // ("В,   Ек2") is only spacing.
        const QString text = caption->text();
        const std::vector<CaptionGap> gaps = captionGaps(text);
        const std::vector<GapEdges> edges = edgesOf(caption, gaps);
        std::vector<CaptionGap> under;
        for (QLineEdit* field : onIt)
            under.push_back(gapUnder(field, caption, gaps, edges));
        for (size_t k = 0; k < onIt.size(); ++k) {
            const CaptionGap gap = under[k];
            const CaptionGap previous = k == 0 ? CaptionGap{} : under[k - 1];
            QString before = text.mid(previous.end, gap.start - previous.end);
            if (k > 0)
                before = withoutLeadingUnit(before);
            const CaptionGap next = k + 1 < onIt.size() ? under[k + 1] : CaptionGap{text.size(), text.size()};
            const QString unit = leadingUnit(text.mid(gap.end, next.start - gap.end));
            onIt[k]->setAccessibleName(tidy(before + QLatin1Char(' ') + unit));
        }
    }
}

void clearUnitsOfFields(QWidget* canvas)
{
    constexpr qreal clearance = 2; // pixels between a field and the unit after it
    for (const auto& [caption, onIt] : fieldsOnCaptions(canvas)) {
        QFont font = caption->font();
        const qreal spacing = font.letterSpacing();
        const qsizetype length = caption->text().size();
        const std::vector<CaptionGap> gaps = captionGaps(caption->text());
        // The edges without the caption's letter spacing, and with it.
        const std::vector<GapEdges> unspaced = edgesOf(caption, gaps);
        std::vector<GapEdges> edges = unspaced;
        for (std::size_t i = 0; i < gaps.size(); ++i)
            edges[i] = {unspaced[i].left + gaps[i].start * spacing, unspaced[i].right + gaps[i].end * spacing};
        qreal wanted = spacing;
        for (QLineEdit* field : onIt) {
            const CaptionGap gap = gapUnder(field, caption, gaps, edges);
            const std::size_t i = std::find_if(gaps.begin(), gaps.end(), [&](const CaptionGap& g) {
                                      return g.start == gap.start;
                                  }) - gaps.begin();
            const qreal unitLeft = field->x() + field->width() - caption->x() + clearance;
            if (gap.end < length && edges[i].right < unitLeft)
                wanted = std::max(wanted, std::ceil((unitLeft - unspaced[i].right) / gap.end * 64) / 64);
        }
        if (wanted == spacing)
            continue;
        font.setLetterSpacing(QFont::AbsoluteSpacing, wanted);
        caption->setFont(font);
        caption->resize(std::max(caption->width(), caption->sizeHint().width()), caption->height());
    }
}

} // namespace takton
