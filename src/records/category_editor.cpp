#include "records/category_editor.h"

#include <algorithm>
#include <map>

#include "platform/string_util.h"
#include "platform/text_codec.h"
#include "records/case_names.h"

namespace tavrel {

namespace {

constexpr std::string_view kCleanedMessage =
    "类别名中包含：\"、*、<、>、?、\\、/、|、'、：等字符。，已经处理为合适的文本！";
constexpr std::string_view kExistsSuffix = "：这个类别已经存在，请另外起一个名称！";

// Cleans a typed category name; the message first when the text had to change.
std::string CleanCategory(std::string text, std::vector<std::string>& messages) {
    if (CleanName(text, 10)) messages.emplace_back(kCleanedMessage);
    return text;
}

// Names met only on cases come in the order of their GBK bytes, as the editor's sorted map
// holds them.
struct GbkOrder {
    bool operator()(const std::string& a, const std::string& b) const {
        return Utf8ToGbk(a) < Utf8ToGbk(b) || (Utf8ToGbk(a) == Utf8ToGbk(b) && a < b);
    }
};

}  // namespace

bool CategoryEditor::Open(MRecordBase& store) {
    lines_.clear();
    changed_ = false;
    std::vector<std::string> stored;
    if (!store.ReadCategories(stored) || !store.BeginBatch()) {
        lastError_ = store.GetLastError();
        return false;
    }
    for (const std::string& name : stored) {
        if (IndexOf(name) == -1) lines_.push_back({name, {}});
    }
    std::map<std::string, std::vector<std::int32_t>, GbkOrder> unlisted;
    for (std::int32_t id = 1; id <= store.GetLastId(); ++id) {
        TRecordData record;
        if (!store.ReadCaseBatch(id, record)) continue;
        const int line = IndexOf(record.className);
        if (line != -1) {
            lines_[static_cast<std::size_t>(line)].ids.push_back(id);
        } else {
            unlisted[record.className].push_back(id);
        }
    }
    store.EndBatch();
    for (auto& [name, ids] : unlisted) {
        lines_.push_back({name, std::move(ids)});
        changed_ = true;
    }
    UpdateCaption();
    return true;
}

std::string CategoryEditor::LineText(std::size_t index) const {
    const CategoryLine& line = lines_.at(index);
    std::string text = line.name;
    for (std::size_t bytes = GbkByteLength(line.name); bytes < 12; ++bytes) text += ' ';
    return text + "  " + std::to_string(line.ids.size()) + " 案例";
}

void CategoryEditor::UpdateCaption() {
    std::size_t total = 0;
    for (const CategoryLine& line : lines_) total += line.ids.size();
    caption_ = "编辑类别（全部案例，共" + std::to_string(total) + "个）";
}

int CategoryEditor::IndexOf(std::string_view name) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

std::vector<std::string> CategoryEditor::Move(int& selected, int step) {
    if (selected < 0 || selected >= static_cast<int>(lines_.size())) {
        return {"请先点击选择一个类别！"};
    }
    const int target = selected + step;
    if (target < 0 || target >= static_cast<int>(lines_.size())) return {"移动超出列表范围！"};
    std::swap(lines_[static_cast<std::size_t>(selected)], lines_[static_cast<std::size_t>(target)]);
    selected = target;
    changed_ = true;
    return {};
}

std::vector<std::string> CategoryEditor::MoveUp(int& selected) { return Move(selected, -1); }
std::vector<std::string> CategoryEditor::MoveDown(int& selected) { return Move(selected, 1); }

std::vector<std::string> CategoryEditor::Add(std::string text) {
    std::vector<std::string> messages;
    const std::string name = CleanCategory(std::move(text), messages);
    if (IndexOf(name) != -1) {
        messages.push_back(name + std::string(kExistsSuffix));
        return messages;
    }
    lines_.push_back({name, {}});
    changed_ = true;
    messages.emplace_back("新增完成！");
    return messages;
}

template <typename Write>
std::vector<std::int32_t> CategoryEditor::Rewrite(MRecordBase& store,
                                                  const std::vector<std::int32_t>& ids,
                                                  Write write) {
    std::vector<std::int32_t> done;
    if (!store.BeginBatch()) {
        lastError_ = store.GetLastError();
        return done;
    }
    for (const std::int32_t id : ids) {
        if (write(id)) done.push_back(id);
    }
    // The batch is one transaction: when it cannot be committed nothing of it was written.
    if (!store.EndBatch()) {
        lastError_ = store.GetLastError();
        done.clear();
    }
    return done;
}

namespace {

// The ids of `all` that are not in `done`, in their order.
std::vector<std::int32_t> Remaining(const std::vector<std::int32_t>& all,
                                    const std::vector<std::int32_t>& done) {
    std::vector<std::int32_t> rest;
    for (const std::int32_t id : all) {
        if (std::find(done.begin(), done.end(), id) == done.end()) rest.push_back(id);
    }
    return rest;
}

bool ValidLine(int selected, std::size_t count) {
    return selected >= 0 && static_cast<std::size_t>(selected) < count;
}

}  // namespace

std::vector<std::string> CategoryEditor::Delete(MRecordBase& store, int selected) {
    if (!ValidLine(selected, lines_.size())) return {"没有选择的类别可以删除！"};
    CategoryLine& line = lines_[static_cast<std::size_t>(selected)];
    const std::vector<std::int32_t> done =
        Rewrite(store, line.ids, [&](std::int32_t id) { return store.DeleteCaseBatch(id); });
    if (done.size() != line.ids.size()) {
        line.ids = Remaining(line.ids, done);
        if (!done.empty()) changed_ = true;
        return {line.name + "：这个类别的案例没有删除完！"};
    }
    lines_.erase(lines_.begin() + selected);
    changed_ = true;
    caption_ = "编辑类别（全部案例）";
    return {"删除完成！"};
}

std::vector<std::string> CategoryEditor::Rename(MRecordBase& store, int selected,
                                                std::string text) {
    if (!ValidLine(selected, lines_.size())) return {"没有选择的类别可以修改！"};
    std::vector<std::string> messages;
    const std::string name = CleanCategory(std::move(text), messages);
    CategoryLine& line = lines_[static_cast<std::size_t>(selected)];
    if (name == line.name) {
        messages.emplace_back("类别名称没有改变，请输入新的名称！");
        return messages;
    }
    if (IndexOf(name) != -1) {
        messages.push_back(name + std::string(kExistsSuffix));
        return messages;
    }
    const std::vector<std::int32_t> done = Rewrite(store, line.ids, [&](std::int32_t id) {
        TRecordData record;
        if (!store.ReadCaseBatch(id, record)) return false;
        record.className = name;
        return store.UpdateCaseBatch(id, record);
    });
    if (done.size() != line.ids.size()) {
        // The cases already moved belong to a category the list does not hold yet; the tree
        // shows them there and the next opening of the editor lists it.
        line.ids = Remaining(line.ids, done);
        if (!done.empty()) changed_ = true;
        messages.push_back(line.name + "：这个类别的案例没有修改完！");
        return messages;
    }
    line.name = name;
    changed_ = true;
    messages.emplace_back("改名完成！");
    return messages;
}

std::vector<std::string> CategoryEditor::Merge(MRecordBase& store, int selected,
                                               std::string target) {
    if (!ValidLine(selected, lines_.size())) return {"没有选择的类别可以移动！"};
    if (lines_[static_cast<std::size_t>(selected)].ids.empty()) {
        return {"这个类别没有案例可以移动！"};
    }
    std::vector<std::string> messages;
    const std::string name = CleanCategory(std::move(target), messages);
    CategoryLine& source = lines_[static_cast<std::size_t>(selected)];
    if (name == source.name) {
        messages.emplace_back("同组类别不能移动，请输入已经存在的其他类别名称！");
        return messages;
    }
    const int targetIndex = IndexOf(name);
    if (targetIndex == -1) {
        messages.emplace_back("请输入已经存在的类别名称，如果不存在可以先新建一个。");
        return messages;
    }
    const std::vector<std::int32_t> done = Rewrite(store, source.ids, [&](std::int32_t id) {
        TRecordData record;
        if (!store.ReadCaseBatch(id, record)) return false;
        record.className = name;
        return store.UpdateCaseBatch(id, record);
    });
    CategoryLine& destination = lines_[static_cast<std::size_t>(targetIndex)];
    destination.ids.insert(destination.ids.end(), done.begin(), done.end());
    const bool complete = done.size() == source.ids.size();
    source.ids = Remaining(source.ids, done);
    if (!done.empty()) changed_ = true;
    messages.push_back(complete ? std::string("移动完成！")
                                : source.name + "：这个类别的案例没有移动完！");
    return messages;
}

bool CategoryEditor::Close(MRecordBase& store) {
    std::vector<std::string> names;
    names.reserve(lines_.size());
    for (const CategoryLine& line : lines_) names.push_back(line.name);
    if (store.WriteCategories(names)) return true;
    lastError_ = store.GetLastError();
    return false;
}

std::string DeleteCategoryQuestion(std::string_view name) {
    return "确定要删除“" + std::string(name) + "”这个类别吗？";
}
std::string RenameCategoryQuestion(std::string_view name) {
    return "确定要修改“" + std::string(name) + "”这个类别吗？";
}
std::string MergeCategoryQuestion(std::string_view name) {
    return "确定要移动“" + std::string(name) + "”这个类别吗？";
}

std::optional<std::string> ChooseCategory(const std::vector<std::string>& categories,
                                          std::string_view text) {
    const std::string_view typed = Trim(text);
    for (const std::string& name : categories) {
        if (EqualsIgnoreCase(name, typed)) return name;
    }
    return std::nullopt;
}

}  // namespace tavrel
