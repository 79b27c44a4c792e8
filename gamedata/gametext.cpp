#include "gamedata/gametext.h"

using namespace Qt::StringLiterals;

namespace rcl {

GameTextFiles gameTextFiles(GameText text)
{
    if (text == GameText::Japanese)
        return {u"rune_ja.dat"_s, u"runename_ja.dat"_s};
    return {u"rune.dat"_s, u"runename.dat"_s};
}

GameText gameTextOf(const QString &setting)
{
    return setting == u"ja" ? GameText::Japanese : GameText::English;
}

QString gameTextSetting(GameText text)
{
    return text == GameText::Japanese ? u"ja"_s : u"en"_s;
}

QString englishNameKey()
{
    return u"English"_s;
}

} // namespace rcl
