#include "RankTitles.h"

#include "Numbers.h"

namespace {

// By race (Aluvian, Gharu'ndim, Sho) and sex (male, female), ranks 1 to 10.
const char* const kTitles[3][2][10] = {
    {{"Yeoman (1)", "Baronet(2)", "Baron (3)", "Reeve (4)", "Thane (5)", "Ealdor (6)", "Duke (7)",
      "Aetheling (8)", "King (9)", "High King (10)"},
     {"Yeoman (1)", "Baronet(2)", "Baroness (3)", "Reeve (4)", "Thane (5)", "Ealdor (6)",
      "Duchess (7)", "Aetheling (8)", "Queen (9)", "High Queen (10)"}},
    {{"Sayyid (1)", "Shayk (2)", "Maulan (3)", "Mu'allim (4)", "Naqib (5)", "Qadi (6)",
      "Mushir (7)", "Amir (8)", "Malik (9)", "Sultan (10)"},
     {"Sayyida (1)", "Shayka (2)", "Maulana (3)", "Mu'allima (4)", "Naqiba (5)", "Qadiya (6)",
      "Mushira (7)", "Amira (8)", "Malika (9)", "Sultana (10)"}},
    {{"Jinin (1)", "Jo-chueh (2)", "Nan-chueh (3)", "Shi-chueh (4)", "Ta-chueh (5)",
      "Kun-chueh (6)", "Kou (7)", "Taikou (8)", "Ou (9)", "Koutei (10)"},
     {"Jinin (1)", "Jo-chueh (2)", "Nan-chueh (3)", "Shi-chueh (4)", "Ta-chueh (5)",
      "Kun-chueh (6)", "Kou (7)", "Taikou (8)", "Jo-ou (9)", "Koutei (10)"}},
};

int Leading(const QString& strValue) {
    return zorv::ReadInt16(strValue.toStdString());
}

// Unknown (empty, "-1" or 0) reads as the first race or sex.
int RaceOrSex(const QString& strValue) {
    if (strValue.isEmpty() || strValue == QLatin1String("-1"))
        return 1;
    int iValue = Leading(strValue);
    return iValue == 0 ? 1 : iValue;
}

} // namespace

QStringList RankTitles(const QString& strRace, const QString& strSex) {
    QStringList titles{QStringLiteral("Unknown")};
    const int iRace = RaceOrSex(strRace);
    const int iSex = RaceOrSex(strSex);
    if (iRace < 1 || iRace > 3 || iSex < 1 || iSex > 2)
        return titles;
    for (const char* szTitle : kTitles[iRace - 1][iSex - 1])
        titles << QString::fromLatin1(szTitle);
    return titles;
}

int ComboPosition(const QString& strValue, int nCount) {
    if (strValue.isEmpty())
        return 0;
    const int iPosition = Leading(strValue);
    return iPosition >= 0 && iPosition < nCount ? iPosition : 0;
}
