#include "commands/place_command.h"

#include <charconv>
#include <cstdlib>

#include "places/coordinate_notation.h"
#include "places/place_file.h"

namespace tavrel::cli {

namespace {

// The place file keeps whole minutes in single precision; print the shortest decimal that reads
// back to the same float (119.3, not 119.30000305175781).
double ShortestDecimal(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer - 1, value);
    *result.ptr = '\0';
    return std::strtod(buffer, nullptr);
}

int RunPlace(CommandContext& context) {
    const std::optional<std::string> name = context.args.Value("find");
    if (!name) return UsageError(context, PlaceCommand(), "--find NAME is required");
    const IniFile placeFile(DataPath(context.root, kPlaceFilePath));
    const std::vector<PlaceMatch> matches = FindPlaces(ReadPlaceList(placeFile), *name);

    Json list = Json::MakeArray();
    std::string text;
    for (const PlaceMatch& match : matches) {
        list.Push(Json::MakeObject()
                      .Set("province", match.provinceName)
                      .Set("city", match.cityName)
                      .Set("lon", ShortestDecimal(match.longitude))
                      .Set("lat", ShortestDecimal(match.latitude)));
        const CoordinateTexts shown = ShowCoordinates(match.longitude, match.latitude);
        text += match.provinceName + match.cityName + "  " + shown.longitude + "  " +
                shown.latitude + "\n";
    }
    if (matches.empty()) text = "no city in " + placeFile.Path() + " matches " + *name + "\n";
    return Succeed(context, Json::MakeObject().Set("matches", list), text);
}

}  // namespace

Command PlaceCommand() {
    return {"place",
            "--find NAME",
            "list the cities of the place file whose names contain NAME (at most two "
            "characters more)",
            {{"find", true}},
            RunPlace};
}

}  // namespace tavrel::cli
