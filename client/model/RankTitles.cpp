#include "RankTitles.h"

#include "Catalogue.h"

#include "Numbers.h"

#include <QCoreApplication>

namespace {

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
    //: The rank title shown for rank 0, for which no title is known.
    QStringList titles{QCoreApplication::translate("RankTitles", "Unknown")};
    const int iRace = RaceOrSex(strRace);
    const int iSex = RaceOrSex(strSex);
    if (iRace < 1 || iRace > 3 || iSex < 1 || iSex > 2)
        return titles;
    for (const char* szTitle : zorv::kRankTitles[iRace - 1][iSex - 1])
        titles << QString::fromLatin1(szTitle);
    return titles;
}

int ComboPosition(const QString& strValue, int nCount) {
    if (strValue.isEmpty())
        return 0;
    const int iPosition = Leading(strValue);
    return iPosition >= 0 && iPosition < nCount ? iPosition : 0;
}
