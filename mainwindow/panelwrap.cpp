#include "mainwindow/panelwrap.h"

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

qsizetype indentOf(const QString &text)
{
    qsizetype blanks = 0;
    while (blanks < text.size() && text[blanks] == u' ')
        ++blanks;
    return blanks;
}

// Where the first piece of line ends: the longest start that fits and ends
// at a break, else the longest that fits, and at least one character after
// the indent, so that every piece makes progress.
qsizetype pieceEnd(const PanelLine &line, qsizetype indent, int width, const LineWidth &widthOf)
{
    const QString &text = line.text;
    qsizetype fitting = indent + 1;
    qsizetype breakAt = -1;
    for (qsizetype end = indent + 1; end <= text.size(); ++end) {
        PanelLine piece = line;
        piece.text = text.left(end);
        if (widthOf(piece) > width)
            break;
        fitting = end;
        if (end < text.size() && text[end - 1] == u' ')
            breakAt = end;
    }
    return breakAt > indent ? breakAt : fitting;
}

} // namespace

QList<PanelLine> wrapPanelLines(const QList<PanelLine> &lines, int width, const LineWidth &widthOf)
{
    QList<PanelLine> wrapped;
    for (const PanelLine &line : lines) {
        if (widthOf(line) <= width) {
            wrapped.append(line);
            continue;
        }
        const QString continuation = QString(indentOf(line.text) + 4, u' ');
        PanelLine rest = line;
        bool first = true;
        while (true) {
            const qsizetype indent = first ? indentOf(rest.text) : continuation.size();
            if (widthOf(rest) <= width || rest.text.size() <= indent + 1) {
                wrapped.append(rest);
                break;
            }
            const qsizetype end = pieceEnd(rest, indent, width, widthOf);
            PanelLine piece = rest;
            piece.text = rest.text.left(end);
            // The blanks at a break stay behind.
            while (piece.text.endsWith(u' ') && piece.text.size() > indent + 1)
                piece.text.chop(1);
            wrapped.append(piece);
            rest.text = continuation + rest.text.mid(end).trimmed();
            first = false;
        }
    }
    return wrapped;
}

} // namespace rcl
