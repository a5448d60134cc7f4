#pragma once

#include <string>
#include <string_view>

#include "platform/ini_file.h"

namespace tavrel {

// The place typed in by hand (province 未知地); one per run, shared by the main window and the
// custom-place dialog.
struct CustomPlace {
    std::string name = "未知地";
    float longitude = 120;
    float latitude = 30;
};

// The common place as the dialog keeps it in section CommAddr of dat/tavrelinit.ini: the texts
// as typed, in the custom notation.
inline constexpr std::string_view kCommonPlaceSection = "CommAddr";
struct CommonPlaceTexts {
    std::string name = "未知地";
    std::string longitude = "120 0";
    std::string latitude = "30 0";
};

inline constexpr std::string_view kNoCommonPlaceMessage = "没有常用地数据！";
inline constexpr std::string_view kCommonPlaceSavedMessage = "已保存！";

// False, leaving `texts` alone, when the section does not exist ("没有常用地数据！").
bool ReadCommonPlace(const IniFile& settings, CommonPlaceTexts& texts);
// Writes the three texts trimmed; false when the file could not be written.
bool WriteCommonPlace(IniFile& settings, const CommonPlaceTexts& texts);
// The custom place a common place stands for.
CustomPlace CommonPlaceAsCustomPlace(const CommonPlaceTexts& texts);

// The dialog's fields as it shows a custom place.
CommonPlaceTexts CustomPlaceTexts(const CustomPlace& place);

enum class CustomPlaceField { kNone, kName, kLongitude, kLatitude };

struct CustomPlaceCheck {
    bool ok = false;
    CustomPlace place;                                 // when ok
    std::string message;                               // when not: the message to show
    CustomPlaceField focus = CustomPlaceField::kNone;  // and the field to focus
};

// The check of OK and 保存: a name, −180 < longitude < 180, −90 < latitude < 90.
CustomPlaceCheck CheckCustomPlace(const CommonPlaceTexts& fields);

}  // namespace tavrel
