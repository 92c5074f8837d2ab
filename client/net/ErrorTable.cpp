#include "ErrorTable.h"

namespace {

struct ErrorRange {
    int iFirst;
    int iLast;
    const char* szText;
};

const char kAddVassal[] =
    "There was an error while trying to add the vassal.  Please refresh the tree and try again.";
const char kRemoveVassal[] =
    "There was an error while trying to remove the vassal.  Please refresh the tree and try again.";
const char kNotFound[] = "The name you entered was not found in the database.  Please check your "
                         "spelling and make sure your patron has added you.";
const char kNoSuchChar[] =
    "There was an error updating a character's information.  That character does not exist.";
const char kCfg[] = "There was an error trying to open the file zorv.cfg on the server.  Make "
                    "sure it is chmoded to 777.";
const char kTree[] = "There was an error trying to open the file tree.dat on the server.  Make "
                     "sure it is chmoded to 777.";
const char kSetup[] = "There was an error trying to change the server setup.  Please try again.";
const char kSecId[] =
    "There was an error changing the security level! An invalid character ID was given!";

const ErrorRange kTable[] = {
    {901, 901, kAddVassal},
    {902, 902,
     "There was an error while trying to add the vassal.  You provided an invalid name.  Please "
     "enter a legal name."},
    {903, 905, kAddVassal},
    {906, 906,
     "There was an error while trying to add the vassal.  The name you provided for the new "
     "vassal already exists in the tree.  Please refresh the tree."},
    {907, 907,
     "There was an error while trying to add the vassal.  The patron already has the maxium "
     "number of possible vassals."},
    {908, 908, kAddVassal},
    {909, 909,
     "There was an error while trying to add the vassal.  The name you provided for the new "
     "vassal was illegal.  Please refresh the tree."},
    {911, 916, kRemoveVassal},
    {917, 917,
     "There was an error while trying to remove the vassal.  The vassal you tried to remove could "
     "not be found in the tree."},
    {918, 919, kRemoveVassal},
    {920, 920,
     "There was an error while trying to remove the character.  The character you tried to remove "
     "was not your vassal.  You can only remove your own vassals."},
    {930, 938,
     "There was an error while trying to change patrons.  Please refresh the tree and try again."},
    {939, 939,
     "There was an error while trying to change patrons.  The new patron already mas the maximum "
     "number of possible vassals."},
    {940, 940,
     "There was an error while trying to change patrons.  You can not pledge to one of your "
     "followers."},
    {941, 941,
     "There was an error while trying to change patrons.  You can not pledge to yourself."},
    {950, 950, kNotFound},
    {951, 951,
     "You have entered an incorrect password.  If this is the first time you've logged in, make "
     "sure you use the default password."},
    {952, 953, kNotFound},
    {960, 960, "There was an error setting up the new server.  The guild name was invalid."},
    {961, 961, "There was an error setting up the new server.  The default password was invalid."},
    {970, 971, kNoSuchChar},
    {972, 972,
     "There was an error updating the character info.  You attempted to edit a field that only "
     "admins are allowed to edit."},
    {980, 980,
     "There was an error retreiving a character's information.  That character does not exist."},
    {987, 987,
     "There was a serious error with the server.  Please have the admin visit ZORV's webpage and "
     "download the newest version of the server."},
    {988, 988, "Secuirty Voliation!"},
    {989, 989, "You are using an invalid client.  Please go to the ZORV website and upgrade."},
    {990, 990,
     "The operation you attempted referenced an invalid character.  Please refresh your tree and "
     "try again."},
    {991, 991, "You entered invalid input for a numeric value."},
    {992, 992, "You entered invalid input for a string value"},
    {993, 993, "There was an error accessing the ZORV server."},
    {994, 994, "Your password is too long, it can only be 10 characters long."},
    {995, 995, "Your password is too short, it has to be at least 6 characters long."},
    {996, 997, kCfg},
    {998, 999, kTree},
    {1000, 1000,
     "There was an error changing the character's password.  The new password and the "
     "confirmation password do not match."},
    {1001, 1001,
     "There was an error changing the character's password.  The confirmation password is "
     "invalid."},
    {1002, 1002,
     "There was an error changing the character's password.  The new password is invalid."},
    {1010, 1013, kSetup},
    {1014, 1014,
     "There was an error trying to change the server setup.  You are not an admin, what are you "
     "trying to do?"},
    {1020, 1020,
     "There was an error trying to reset the password. Your security level was not high enough."},
    {1021, 1021, "There was an error trying to reset the password. Please try again."},
    {1022, 1022, "There was an error trying to reset the password. That character does not exist."},
    {1030, 1030,
     "There was an error trying to backup the server.  Your security level is not high enough."},
    {1040, 1041, kSecId},
    {1042, 1042,
     "There was an error changing the security level! The new security level was invalid"},
};

} // namespace

std::optional<QString> ServerErrorText(int iCode) {
    for (const ErrorRange& range : kTable) {
        if (iCode >= range.iFirst && iCode <= range.iLast)
            return QString::fromLatin1(range.szText);
    }
    return std::nullopt;
}

bool ErrorReturnsToLogin(int iCode, bool bLoginAsDifferent) {
    return iCode == 950 || iCode == 952 || iCode == 953 || (iCode == 951 && !bLoginAsDifferent);
}
