#include "calendar/era_names.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

struct EraCase {
    int year;  // astronomical
    const char* text;
};

TEST(EraNames, NamesEveryRegimeCountingTheYear) {
    const EraCase cases[] = {
        {2000, "[当代] 中国  公历纪元2000年"},
        {1949, "[当代] 中国  公历纪元1949年"},
        {1948, "[近、现代] 中华民国  民国37年"},
        {1912, "[近、现代] 中华民国  民国1年"},
        {1911, "[清] 逊帝 溥仪 宣统3年"},
        {1875, "[清] 德宗 载湉 光绪1年"},
        {1662, "[明郑] 延平王 郑经/郑克塽 永历16年；[清] 圣祖 玄烨 康熙1年"},
        // Three Kingdoms: 魏嘉平二年, 蜀延熙十三年, 吴赤乌十三年.
        {250, "[蜀汉] 后主 刘禅 延熙13年；[孙吴] 大帝 孙权 赤乌13年；[曹魏] 邵陵厉公 曹芳 嘉平2年"},
        // An era kept by the next dynasty goes on counting: 后汉 used 天福 for its twelfth year.
        {947,
         "[辽] 太宗 耶律德光/尧骨 会同10年；[后汉] 高祖 刘知远 天福12年；[辽] 太宗 耶律德光/尧骨 "
         "大同1年；"
         "[辽] 世宗 耶律阮/兀欲 天禄1年"},
        {1, "[西汉] 平帝 刘衎 元始1年"},
        {0, "[西汉] 哀帝 刘欣 元寿2年"},
        {-139, "[西汉] 武帝 刘彻 建元1年"},
        {-840, "[西周] 厉王 胡 厉王37年；[西周] 共和  共和1年"},
        {-2069, "[夏] 禹  禹1年"},
    };
    const obb_class eras;
    for (const EraCase& c : cases) EXPECT_EQ(eras.EraNames(c.year), c.text) << c.year;
}

TEST(EraNames, IsEmptyOutsideTheChronology) {
    const obb_class eras;
    EXPECT_EQ(eras.EraNames(-2070), "");
    EXPECT_EQ(eras.EraNames(1949 + 9999), "");
    EXPECT_EQ(eras.EraNames(-32768), "");
}

}  // namespace
}  // namespace tavrel
