<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>rcl::Form1</name>
    <message>
        <source>ルーンと効果を日本語で: 右クリックのメニューの「Game text」で「日本語」を選びます。</source>
        <translation>Runes and effects in Japanese: choose "日本語" under "Game text" in the right-click menu.</translation>
    </message>
    <message>
        <source>前</source>
        <translation>Prev</translation>
    </message>
    <message>
        <source>次</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>名称変更</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>消去</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>全て表示</source>
        <translation>Show all</translation>
    </message>
    <message>
        <source>グループ名称変更</source>
        <translation>Rename Group</translation>
    </message>
    <message>
        <source>グループ名 %1 を変更します。</source>
        <translation>Type a new name for this group.
Current name: %1</translation>
    </message>
    <message>
        <source>このグループ内の全ての登録データを消去します。　よろしいですか？</source>
        <translation>Every count in this group will be set to 0. Are you sure?</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ルーンチェックリストの使い方</source>
        <translation>Using Rune Check List</translation>
    </message>
    <message>
        <source>マウス</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>rune.dat の Rune Elect が 0 のとき (rune.dat がないときも): ルーンを指すと情報欄に表示し、左ボタンで 1 つ増やし、右ボタンで 1 つ減らし、中ボタンで確かめてから 0 にします。</source>
        <translation>With Rune Elect=0 in rune.dat (or no rune.dat): point at a rune to show it in the info panel; the left button adds one, the right button takes one off, the middle button clears the count after asking.</translation>
    </message>
    <message>
        <source>Rune Elect が 1 のとき: クリックで表示し、左ボタンのダブルクリックで 1 つ増やし、右クリックで 1 つ減らします。ほかの値では表示だけです。</source>
        <translation>With Rune Elect=1: click to show a rune, double-click with the left button to add one, right-click to take one off. Any other value only shows.</translation>
    </message>
    <message>
        <source>「Rune Word &gt;&gt;」で、このグループで作れるルーンワードの一覧を開きます。一覧で選ぶと、そのルーンが赤 (持っている) と白 (足りない) の枠で示されます。</source>
        <translation>"Rune Word &gt;&gt;" opens the list of the rune words this group can make. Choose one to see its runes framed, red where owned and white where missing.</translation>
    </message>
    <message>
        <source>情報欄に収まらない行は、情報欄の上でマウスのホイールを回すと表示されます。右端の小さな三角は、上か下に続きがあることを示します。</source>
        <translation>Lines that do not fit the info panel come into view when you turn the mouse wheel over it; a small triangle at its right edge shows that more lies above or below.</translation>
    </message>
    <message>
        <source>キー</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Tab で次の項目へ移ります。ルーンのグリッドでは矢印キー、Home、End でルーンを選び、+ で 1 つ増やし、- で 1 つ減らし、Delete で確かめてから 0 にします。</source>
        <translation>Tab moves to the next control. On the rune grid the arrow keys, Home and End choose a rune; + adds one, - takes one off and Delete clears the count after asking.</translation>
    </message>
    <message>
        <source>Ctrl+Page Down と Ctrl+Page Up: 次と前のグループへ (「次」「前」ボタンと同じです)。</source>
        <translation>Ctrl+Page Down and Ctrl+Page Up: the next and the previous group, as the Next and Prev buttons.</translation>
    </message>
    <message>
        <source>情報欄を選んでいるとき (クリックで選べます): Page Up、Page Down、矢印キー、Home、End で行を送ります。</source>
        <translation>While the info panel has the focus (click it): Page Up, Page Down, the arrow keys, Home and End move through its lines.</translation>
    </message>
    <message>
        <source>Ctrl+P でプランナー、F1 でこのヘルプ、グリッドを選んでいるときはメニューキーでオプションのメニューを開きます。</source>
        <translation>Ctrl+P opens the planner, F1 this help, and the Menu key the options while the grid has the focus.</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>情報欄、ルーンワードの一覧、ルーンの横の黒い部分を右クリックするとメニューが開きます。「Show counts on the grid」で各ルーンの絵に個数を、「English captions」でボタンと質問を英語で表示します。「Game text」の「日本語」で、ルーン、ルーンワード、種類、効果をゲームの日本語版の表記で表示します (rune_ja.dat と runename_ja.dat)。どれも次の起動に残ります。</source>
        <translation>Right-click the info panel, the rune word list or the black space beside the runes for the menu: "Show counts on the grid" shows each rune's count on its picture, "English captions" shows the buttons and questions in English, and "Game text" switches the runes, rune words, kinds and effects to the texts of the game's Japanese edition (rune_ja.dat and runename_ja.dat). All are kept for the next start.</translation>
    </message>
    <message>
        <source>プランナー</source>
        <translation>Planner</translation>
    </message>
    <message>
        <source>Ctrl+P か、右クリックのメニューの「Planner...」で開きます。あと少しで作れるルーンワード、すべてのルーンワードと検索、ルーンの用途、アップグレードの計算、全グループの個数、データのチェックを表で見られます。</source>
        <translation>Ctrl+P, or "Planner..." in the right-click menu, opens the planner: the rune words a few runes away, every rune word with a search, the uses of a rune, the upgrade calculator, the counts of all groups and the data check, each as a table.</translation>
    </message>
    <message>
        <source>個数の保存場所</source>
        <translation>Where the counts are kept</translation>
    </message>
    <message>
        <source>個数はこのフォルダに保存されます (グループ 1～9 は rune1.sav～rune9.sav、グループ名は group.dat):</source>
        <translation>The counts are kept in this folder (groups 1 to 9 in rune1.sav to rune9.sav, the group names in group.dat):</translation>
    </message>
    <message>
        <source>変更は約 1 秒後、グループを移るとき、ウィンドウを閉じるときに保存されます。このフォルダをバックアップすれば個数を残せます。</source>
        <translation>A change is saved about a second later, when you move to another group and when you close the window. Back up this folder to keep your counts.</translation>
    </message>
</context>
</TS>
