#pragma once
// The change history's words, as the server stores and sends them (operations 117 and 118) and
// the client reads them: the kinds of change, and the fields a recorded value is about, each
// with the caption the client shows.
namespace zorv::history {

inline constexpr const char* kInit = "init"; // the first set-up
inline constexpr const char* kAdd = "add";
inline constexpr const char* kRemove = "remove";
inline constexpr const char* kPatron = "patron"; // a move to another patron
inline constexpr const char* kSave = "save";
inline constexpr const char* kPassword = "password"; // a member's own new password
inline constexpr const char* kReset = "reset";       // an administrator's reset of one
inline constexpr const char* kLevel = "level";       // a security level
inline constexpr const char* kSetup = "setup";       // the guild's set-up
inline constexpr const char* kUndo = "undo";

struct Field {
    const char* szName; // a sheet's column, or one of the others below
    const char* szCaption;
    bool bSheet; // a column of the sheet that a save writes
};

inline constexpr Field kFields[] = {
    {"name", "Name", true},
    {"level", "Level", true},
    {"class", "Class", true},
    {"race", "Race", true},
    {"rank", "Rank", true},
    {"sex", "Sex", true},
    {"is_mule", "Mule", true},
    {"mule_for", "Mule For", true},
    {"lifestone", "Lifestone", true},
    {"tied_to", "Tied To", true},
    {"bio", "Bio", true},
    {"num_followers", "Number of Followers", true},
    {"skills", "Skills", true},
    {"real_name", "Real Name", true},
    {"city_state", "City/State", true},
    {"misc_info", "Other Info", true},
    {"email", "Email", true},
    {"icq", "ICQ", true},
    {"is_pk", "Player Killer", true},
    {"is_rescue", "Rescue Squad", true},
    {"is_private", "Hide Info on Web", true},
    {"can_summon", "Can Summon", true},
    {"main_char", "Main Character", true},
    {"awards", "Awards", true},
    // Not the sheet's.
    {"patron_id", "Patron Id", false}, // the patron's id (add, patron change)
    {"patron_name", "Patron", false},  // the patron's name then, to tell a patron gone from
                                       // an id used again
    {"join_seq", "Place among Vassals", false},
    {"security_level", "Security Level", false},
    {"member", "Member", false},     // a whole record, as the dump writes it without its hash
    {"password", "Password", false}, // an event: both values always empty
    {"default_password", "Default Password", false},
    {"guild_name", "Guild Name", false},
    {"use_rescue_squad", "Use Rescue Squad", false},
    {"rescue_squad_name", "Rescue Squad Name", false},
};

// The fields whose values are events without a value.
inline constexpr const char* kPasswordField = "password";
inline constexpr const char* kDefaultPasswordField = "default_password";
inline constexpr const char* kMemberField = "member";
inline constexpr const char* kPatronNameField = "patron_name";

} // namespace zorv::history
