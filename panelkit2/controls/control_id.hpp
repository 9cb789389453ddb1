#pragma once

// Published enumerations and identifiers of the type library.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace panelkit2 {

// The kind of an option control; hosts and the container compare these as numbers.
enum class ControlID : int16_t {
    Check = 0,
    Combo = 1,
    CommandButton = 2,
    ContinuousSlide = 3,
    List = 4,
    MultiList = 5,
    NumBox = 6,
    Radio = 7,
    RealNumBox = 8,
    Slide = 9,
    StringBox = 10,
    TextArea = 11,
};
inline constexpr int16_t kControlIDCount = 12;

// The kinds of page-heading entries.
enum class ItemType : int16_t { Text = 0, List = 1 };

struct ClassIdentity {
    std::string_view className;
    std::string_view classId;
    std::string_view defaultInterface;
    std::string_view eventInterface;
};

inline constexpr std::string_view kLibraryName = "PanelKit2";
inline constexpr std::string_view kLibraryId = "EBCFCD7E-787F-4368-9578-B5B2F42C99CA";
inline constexpr std::string_view kLibraryVersion = "1.2";
inline constexpr std::string_view kLibraryDescription = "Quillet Controls - 2";
inline constexpr std::string_view kItemTypeId = "D9DFE935-2C05-45D2-B232-BCEDED1138AB";
inline constexpr std::string_view kControlIDId = "893886DD-C49F-4F41-9A7F-F89C139A9B46";

// The fifteen classes available to code.
inline constexpr std::array<ClassIdentity, 15> kClassIdentities{{
    {"ControlPort", "06EF48D8-25DB-4B11-B291-D36A3BA86BB2", "B92DE2F3-C5B0-11D5-9CE8-00A0CC347157",
     "B92DE2F4-C5B0-11D5-9CE8-00A0CC347157"},
    {"Check", "79D4123E-B893-4748-BFC8-F60215F8F034", "19E5B90F-6F09-452F-BE7C-3E6D1B1180DE",
     "EBCFE38F-9AE5-4542-AD46-5F2F8E4D2C26"},
    {"Combo", "27152766-5B33-4B3A-BC85-368EE846FA5F", "12FA64F0-856A-4D29-8D6D-02C9459F8F40",
     "76A216CB-BF64-4598-9109-30847B73BB32"},
    {"Command", "99AA165D-7942-48AD-B248-18076A22E4F5", "4BA81C41-ADCC-4F19-B459-36DC587DF6E3",
     "0ADFCC90-BF0E-49BE-8F88-63AB2CB981E6"},
    {"ContinuousSlide", "DDF3947B-C417-4FB8-9C4C-517816551111",
     "F2CD596C-80F9-4DAB-A8A9-03A2A1FAB03B", "E6BD87DA-0EC2-42C3-90FE-30021DC4BF4C"},
    {"List", "92636619-E73E-4153-827C-17CC5FF51EBF", "B224E5A5-3B90-4F02-8F3D-137221C1BFE4",
     "CEC64255-77EA-4E22-A9C3-D11ADF46026A"},
    {"MultiList", "21A7371D-DAAA-4E9B-BE27-EE70C4E90B75", "38BAD71C-BF75-47D9-88C7-B36C1A031F4C",
     "D8BAF7D8-BE63-449F-80A7-C6DF5C9EC1F4"},
    {"NumBox", "B22496CF-54F9-4DF9-9459-1E43080E93C7", "A7348DDB-BD9F-4A5F-B836-80BB1708EEE5",
     "4A7962B2-E0C9-4745-907D-5CCEB574B9CC"},
    {"Radio", "08EC7C2C-7CD9-47DE-B4F5-DD2319A89042", "179F8CFB-5311-400B-A8CD-AD98F4F15567",
     "F5742E8A-5CA7-4A8C-A4B8-DEA2FCE39A87"},
    {"RealNumBox", "9D2F607D-1462-42CF-B235-083D08773624", "2016DF19-A166-4215-864C-8C6D7DE76539",
     "FA7648C7-A002-49ED-A2BB-DA309B58A29F"},
    {"Slide", "399C485C-86E7-46E5-886A-066189DDF1CD", "B56C3618-88E7-40F8-8DC8-0B3EB81A9599",
     "306123CF-4CB6-404F-A6FA-3C378CB72E28"},
    {"StringBox", "B09F4F87-9B57-41EC-B392-7B3ABF314B3C", "46B3836E-D40B-4899-AD84-720171AEA445",
     "3E32777C-D822-48DF-A660-AA320DAB9782"},
    {"TextArea", "065A62FD-F654-4188-A883-59C1095D31C8", "F694C5C3-CFF4-48F5-BD13-EF376C10CC2A",
     "CB36A04F-A893-4805-971C-625B769A9363"},
    {"Heading", "FA730C6D-2A65-4ED8-B4F1-74C4EAFA87CB", "6A259EF5-C49B-4034-B765-97360319FD3A",
     "C5E40B96-E888-4B7D-B648-139D23AE1AD0"},
    {"DispListBox", "4A08830F-5462-4071-A62C-AFEB0CB30BFA", "C16E51F4-F2F0-44E3-9DDF-37DA6A2DB646",
     "97697936-1C7A-4F56-92F1-972168647E14"},
}};

// The identity of a class by its name (not its program identifier), if published.
std::optional<ClassIdentity> FindClassIdentity(std::string_view className);

}  // namespace panelkit2
