#pragma once

#include <gtest/gtest.h>

#include <string>

#include "records/case_store.h"
#include "support/temp_folder.h"

namespace tavrel::testing {

// A solar case at a place in 北京市, filed under `category`.
inline TRecordData MakeCase(const std::string& name, int year, int month, int day, int hour,
                            int minute, const std::string& category = "家人", bool male = true) {
    TRecordData record;
    TChartRequest& r = record.request;
    r.name = name;
    r.year = static_cast<std::int16_t>(year);
    r.month = static_cast<std::int16_t>(month);
    r.day = static_cast<std::int16_t>(day);
    r.hour = static_cast<std::int16_t>(hour);
    r.minute = static_cast<std::int16_t>(minute);
    r.zone = 8;
    r.isMale = male ? 1 : 0;
    r.provinceIndex = 0;
    r.placeText = "北京市东城";
    r.longitude = 116.4f;
    r.latitude = 39.9f;
    record.className = category;
    record.remarkText = "评语";
    record.remarkFile = name + "_" + std::to_string(year);
    return record;
}

// A case store in a fresh program folder.
class StoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(store.Open(folder.File("tavrel.db"), folder.Path().string(), false), 0);
    }
    std::int32_t Add(TRecordData record) { return store.InsertCase(record); }

    TempFolder folder;
    MRecordBase store;
};

}  // namespace tavrel::testing
