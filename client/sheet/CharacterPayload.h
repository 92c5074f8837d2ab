#pragma once
// The character payload (the reply to operation 107): 33 escaped fields separated by "|", read
// into named fields. Numbers stay text here; the sheet reads them by their leading number.
#include <QString>

struct CharacterPayload {
    QString strID;           // 0
    QString strName;         // 1
    QString strLevel;        // 2
    QString strRank;         // 3
    QString strNumFollowers; // 6
    QString strClass;        // 8
    QString strRace;         // 9
    QString strSex;          // 10
    QString strIsMule;       // 11
    QString strMuleFor;      // 12
    QString strLifestone;    // 13
    QString strTiedTo;       // 14
    QString strBio;          // 15
    QString strSkills;       // 16
    QString strRealName;     // 17
    QString strCityState;    // 18
    QString strMiscInfo;     // 19
    QString strEmail;        // 20
    QString strICQ;          // 21
    QString strRevision;     // 22: the stored record's revision, empty from older servers
    QString strModifiedAt;   // 23
    QString strPatron;       // 24
    QString strPath;         // 25
    QString strIsPK;         // 26
    QString strIsRescue;     // 27
    QString strIsPrivate;    // 28
    QString strCanSummon;    // 29
    QString strMainChar;     // 30
    QString strModifiedBy;   // 31: an id
    QString strAwards;       // 32

    int nFields = 0; // as many as the payload had
};

inline constexpr int kCharacterFields = 33;

// Missing fields stay empty; fields beyond the 33rd are ignored.
CharacterPayload ParseCharacterPayload(const QString& strPayload);
