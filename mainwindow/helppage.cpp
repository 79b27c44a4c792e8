#include "mainwindow/helppage.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

QString paragraph(const QString &text)
{
    return u"<p>"_s + text.toHtmlEscaped() + u"</p>"_s;
}

QString section(const QString &heading, const QStringList &items)
{
    QString html = u"<h3>"_s + heading.toHtmlEscaped() + u"</h3><ul>"_s;
    for (const QString &item : items)
        html += u"<li>"_s + item.toHtmlEscaped() + u"</li>"_s;
    return html + u"</ul>"_s;
}

} // namespace

QString HelpPage::title()
{
    return tr("ヘルプ");
}

QString HelpPage::html(const QString &saveFolder)
{
    QString html = u"<h2>"_s + tr("ルーンチェックリストの使い方").toHtmlEscaped() + u"</h2>"_s;
    html += section(tr("マウス"),
                    {tr("rune.dat の Rune Elect が 0 のとき (rune.dat がないときも): ルーンを指すと情報欄に表示し、"
                        "左ボタンで 1 つ増やし、右ボタンで 1 つ減らし、中ボタンで確かめてから 0 にします。"),
                     tr("Rune Elect が 1 のとき: クリックで表示し、左ボタンのダブルクリックで 1 つ増やし、"
                        "右クリックで 1 つ減らします。ほかの値では表示だけです。"),
                     tr("「Rune Word >>」で、このグループで作れるルーンワードの一覧を開きます。一覧で選ぶと、"
                        "そのルーンが赤 (持っている) と白 (足りない) の枠で示されます。"),
                     tr("情報欄に収まらない行は、情報欄の上でマウスのホイールを回すと表示されます。右端の小さな三角は、"
                        "上か下に続きがあることを示します。")});
    html += section(tr("キー"),
                    {tr("Tab で次の項目へ移ります。ルーンのグリッドでは矢印キー、Home、End でルーンを選び、"
                        "+ で 1 つ増やし、- で 1 つ減らし、Delete で確かめてから 0 にします。"),
                     tr("Ctrl+Page Down と Ctrl+Page Up: 次と前のグループへ (「次」「前」ボタンと同じです)。"),
                     tr("情報欄を選んでいるとき (クリックで選べます): Page Up、Page Down、矢印キー、Home、End で"
                        "行を送ります。"),
                     tr("Ctrl+P でプランナー、F1 でこのヘルプ、グリッドを選んでいるときはメニューキーでオプションの"
                        "メニューを開きます。")});
    html += section(tr("オプション"),
                    {tr("情報欄、ルーンワードの一覧、ルーンの横の黒い部分を右クリックするとメニューが開きます。"
                        "「Show counts on the grid」で各ルーンの絵に個数を、「English captions」でボタンと質問を"
                        "英語で表示します。「Game text」の「日本語」で、ルーン、ルーンワード、種類、効果をゲームの"
                        "日本語版の表記で表示します (rune_ja.dat と runename_ja.dat)。どれも次の起動に残ります。")});
    html += section(tr("プランナー"),
                    {tr("Ctrl+P か、右クリックのメニューの「Planner...」で開きます。あと少しで作れるルーンワード、"
                        "すべてのルーンワードと検索、ルーンの用途、アップグレードの計算、全グループの個数、"
                        "データのチェックを表で見られます。")});
    html += u"<h3>"_s + tr("個数の保存場所").toHtmlEscaped() + u"</h3>"_s;
    html += paragraph(tr("個数はこのフォルダに保存されます (グループ 1～9 は rune1.sav～rune9.sav、"
                         "グループ名は group.dat):"));
    html += u"<p><code>"_s + saveFolder.toHtmlEscaped() + u"</code></p>"_s;
    html += paragraph(tr("変更は約 1 秒後、グループを移るとき、ウィンドウを閉じるときに保存されます。"
                         "このフォルダをバックアップすれば個数を残せます。"));
    return html;
}

} // namespace rcl
