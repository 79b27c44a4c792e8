#include "prompts/plaintext.h"

#include <QLabel>
#include <QTextDocument>

namespace rcl {

QString plainToolTip(const QString &text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap) : text;
}

void showAsPlainText(QLabel *label)
{
    label->setTextFormat(Qt::PlainText);
}

} // namespace rcl
