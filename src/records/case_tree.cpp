#include "records/case_tree.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <unordered_set>

#include "astronomy/time_scales.h"
#include "platform/text_codec.h"
#include "platform/utf8.h"
#include "records/im_code.h"

namespace tavrel {

namespace {

constexpr std::string_view kSurnames =
    "赵钱孙李周吴郑王冯陈褚卫蒋沈韩杨朱秦尤许何吕施张孔曹严华金魏陶姜戚谢邹喻柏水窦章云苏潘葛奚范彭"
    "郎鲁韦昌马苗凤花方俞任袁柳酆鲍史唐费廉岑薛雷贺倪汤滕殷罗毕郝邬安常乐于时傅皮卞齐康伍余元卜顾"
    "孟平黄和穆萧尹姚邵舒汪祁毛禹狄米贝明臧计伏成戴谈宋茅庞熊纪屈项祝董杜阮蓝闵席季麻强贾路娄危江"
    "童颜郭梅盛林刁钟徐邱骆高夏蔡田樊胡凌霍虞万支柯咎管卢莫经房裘缪干解应宗宣丁贲邓郁单杭洪包诸左"
    "石崔吉钮龚程嵇邢滑裴陆荣翁荀羊於惠甄加封芮羿储靳汲邴糜松井段富巫乌焦巴弓牧隗山谷车候宓蓬全郗"
    "班仰秋仲尹宫宁仇栾暴甘钭厉戎祖武符刘詹束龙叶辛司韶郜黎蓟薄印宿白怀蒲台从鄂索咸籍赖卓蔺屠蒙池"
    "乔阴胥能苍双闻莘党翟谭贡劳逄姬申扶堵冉宰郦雍璩桑桂濮牛寿通边扈燕冀郏浦尚农温别庄晏柴瞿阎充慕"
    "连茹习宦艾鱼容向古易慎戈廖庚终暨居衡步都耿满弘匡国文寇广禄阙东殳沃利蔚越夔隆师巩厍聂晁勾敖融"
    "冷訾辛阚那简饶空曾毋沙乜养鞠须丰巢关蒯相查后红游竺权逯盖益桓公晋楚法汝鄢涂钦缑亢况有商牟佘佴"
    "伯赏墨哈谯笪年爱阳佟琴言福百家姓续岳帅";

// Length of the first character of a UTF-8 text (a stray byte counts as one).
std::size_t FirstCharacterLength(std::string_view text) {
    const std::size_t length = Utf8SequenceLength(text, 0);
    return length == 0 ? 1 : length;
}

double InstantOf(const TDateRec& date) {
    return JulianDay(date.year, date.month, date.day + (date.hour + date.minute / 60.0) / 24.0);
}

std::string_view DateMarks(const TChartRequest& r) {
    if (r.isLunar == 0) return "  公";
    return r.isLeapMonth != 0 ? "  农闰" : "  农";
}

}  // namespace

std::string_view SurnameOrderText() { return kSurnames; }

int SurnameRank(std::string_view character) {
    if (character.empty()) return 0;
    int rank = 1;
    for (std::size_t pos = 0; pos < kSurnames.size(); ++rank) {
        const std::size_t length = FirstCharacterLength(kSurnames.substr(pos));
        if (kSurnames.substr(pos, length) == character) return rank;
        pos += length;
    }
    return 0;
}

std::int32_t SurnameKey(std::string_view name) {
    if (name.empty()) return 0;
    const std::string_view first = name.substr(0, FirstCharacterLength(name));
    std::string initials = ImCode::GetInitials(first, 0);
    if (initials.empty()) return 0;
    // A character that is two bytes in GBK is a Chinese (or other double-byte) character.
    const bool doubleByte = GbkByteLength(first) == 2;
    unsigned char code = static_cast<unsigned char>(initials.front());
    if (doubleByte) code = static_cast<unsigned char>(std::toupper(code));
    return static_cast<std::int32_t>(code) * 1000 + SurnameRank(first);
}

std::string MakeNodeText(const TRecordData& record) {
    const TChartRequest& r = record.request;
    std::string text = r.name;
    for (std::size_t bytes = GbkByteLength(r.name); bytes < 8; ++bytes) text += ' ';
    text += DateMarks(r);
    const int year = r.year <= 0 ? r.year - 1 : r.year;
    char date[64];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d %02d:%02d", year, r.month, r.day, r.hour,
                  r.minute);
    return text + date;
}

bool GoesBefore(int order, const TCusTreeItem& a, const TCusTreeItem& b) {
    switch (order) {
        case kTimeDescending:
            if (a.instant != b.instant) return a.instant > b.instant;
            return a.surnameKey < b.surnameKey;
        case kTimeAscending:
            if (a.instant != b.instant) return a.instant < b.instant;
            return a.surnameKey < b.surnameKey;
        case kSurnameAscending:
            if (a.surnameKey != b.surnameKey) return a.surnameKey < b.surnameKey;
            return a.instant > b.instant;
        case kSurnameDescending:
            if (a.surnameKey != b.surnameKey) return a.surnameKey > b.surnameKey;
            return a.instant > b.instant;
        default:
            return false;
    }
}

void OrderItems(std::vector<TCusTreeItem>& items, int order) {
    if (order < kTimeDescending || order > kSurnameDescending) return;
    // A stable sort gives the sequence of the ordered insertion: equal items stay in the order
    // they came.
    std::stable_sort(
        items.begin(), items.end(),
        [order](const TCusTreeItem& a, const TCusTreeItem& b) { return GoesBefore(order, a, b); });
}

bool PrepareItems(MRecordBase& store, const std::vector<std::int32_t>& ids, int order,
                  const LunarToSolarFn& lunarToSolar, PreparedTree& tree, std::string& error,
                  const std::atomic<bool>* stop, const PrepareProgressFn& progress) {
    tree = {};
    std::vector<std::string> categories;
    if (!store.ReadCategories(categories)) {
        error = store.GetLastError();
        return false;
    }
    std::vector<int> counts(categories.size(), 0);
    if (!store.BeginBatch()) {
        error = store.GetLastError();
        return false;
    }
    const bool ordered = order >= kTimeDescending && order <= kSurnameDescending;
    tree.items.reserve(ids.size());
    int done = 0;
    for (const std::int32_t id : ids) {
        if (stop != nullptr && stop->load()) {
            store.EndBatch();
            tree = {};
            error = "stopped";
            return false;
        }
        if (progress && done > 0 && done % 50 == 0) progress(done, static_cast<int>(ids.size()));
        ++done;
        TRecordData record;
        if (!store.ReadCaseBatch(id, record)) continue;
        TCusTreeItem item;
        item.id = record.id;
        if (ordered) {
            TDateRec solar{};
            if (!SolarBirthOf(record, lunarToSolar, solar)) continue;
            item.instant = InstantOf(solar);
            item.surnameKey = SurnameKey(record.request.name);
        }
        item.nodeText = MakeNodeText(record);
        item.category = record.className;
        item.sex = record.request.isMale;
        const auto listed = std::find(categories.begin(), categories.end(), item.category);
        if (listed != categories.end())
            ++counts[static_cast<std::size_t>(listed - categories.begin())];
        tree.items.push_back(std::move(item));
    }
    store.EndBatch();
    OrderItems(tree.items, order);
    for (std::size_t i = 0; i < categories.size(); ++i) {
        if (counts[i] > 0) tree.categoriesInUse.push_back(categories[i]);
    }
    return true;
}

std::vector<TreeNode> FillTree(const PreparedTree& tree, int view) {
    std::vector<TreeNode> roots;
    if (view == kListView) {
        for (const TCusTreeItem& item : tree.items) {
            roots.push_back({item.nodeText, item.id, item.sex, {}});
        }
        return roots;
    }
    for (const std::string& name : tree.categoriesInUse) roots.push_back({name, -1, 2, {}});
    for (const TCusTreeItem& item : tree.items) {
        auto root = std::find_if(roots.begin(), roots.end(),
                                 [&](const TreeNode& node) { return node.text == item.category; });
        if (root == roots.end()) {
            roots.push_back({item.category, -1, 2, {}});
            root = roots.end() - 1;
        }
        root->children.push_back({item.nodeText, item.id, item.sex, {}});
    }
    return roots;
}

std::vector<std::int32_t> GetShownIds(const std::vector<TreeNode>& nodes) {
    std::vector<std::int32_t> ids;
    for (const TreeNode& node : nodes) {
        if (node.id != -1) ids.push_back(node.id);
        for (const TreeNode& child : node.children) {
            if (child.id != -1) ids.push_back(child.id);
        }
    }
    return ids;
}

std::vector<std::int32_t> MergeShownIds(const std::vector<std::int32_t>& shown,
                                        const std::vector<std::int32_t>& newIds) {
    if (shown.empty()) return newIds;
    std::vector<std::int32_t> merged = shown;
    std::unordered_set<std::int32_t> present(shown.begin(), shown.end());
    for (const std::int32_t id : newIds) {
        if (present.insert(id).second) merged.push_back(id);
    }
    return merged;
}

std::string ShownCountCaption(int count) { return "【 " + std::to_string(count) + " 条案例】"; }

std::vector<std::int32_t> InitialTreeIds(std::int32_t lastId) {
    std::vector<std::int32_t> ids;
    for (std::int32_t id = lastId; id >= 1 && id > lastId - 1000; --id) ids.push_back(id);
    return ids;
}

std::string InitialFillHint(std::int32_t lastId) {
    if (lastId <= 1000) return "";
    return "\n\n案例总数大致：" + std::to_string(lastId) +
           "个，可以在树表上按鼠标右键，再点“显示全部命例”！";
}

LoadAllCheck CheckLoadAll(bool busy, std::int32_t lastId) {
    LoadAllCheck check;
    if (busy) {
        check.refusal = kWaitForLoading;
    } else if (lastId <= 0) {
        check.refusal = kNothingToShow;
    } else {
        check.start = true;
        if (lastId > 2000) check.notice = kManyCasesNotice;
    }
    return check;
}

bool CaseLoader::LoadAll(MRecordBase& store, int order, const LunarToSolarFn& lunarToSolar,
                         PreparedTree& tree, std::string& error,
                         const PrepareProgressFn& progress) {
    std::vector<std::int32_t> ids;
    ids.reserve(static_cast<std::size_t>(std::max(store.GetLastId(), 0)));
    for (std::int32_t id = store.GetLastId(); id >= 1; --id) ids.push_back(id);
    return PrepareItems(store, ids, order, lunarToSolar, tree, error, &stop_, progress);
}

}  // namespace tavrel
