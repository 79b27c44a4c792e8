<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>rcl::Form1</name>
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
</TS>
