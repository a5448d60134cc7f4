#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/case_store.h"

namespace tavrel {

// One line of the category editor: a category and the ids of its cases.
struct CategoryLine {
    std::string name;
    std::vector<std::int32_t> ids;
};

// The model behind the category editor TFrmEditClass. The dialog asks its questions (the texts
// below) and forwards the confirmed command; every command returns the messages to show, in
// order. Case rows are rewritten at once, one batch per command; the stored list only by Close.
class CategoryEditor {
  public:
    // Builds the lines from the stored list and every case (categories met only on cases come
    // after the stored ones, in name order, and mark the list changed).
    bool Open(MRecordBase& store);

    const std::vector<CategoryLine>& Lines() const { return lines_; }
    // "name padded to 12 bytes" + "  %d 案例".
    std::string LineText(std::size_t index) const;
    const std::string& Caption() const { return caption_; }
    bool Changed() const { return changed_; }
    const std::string& GetLastError() const { return lastError_; }

    // Selected is the index of the selected line, -1 for none. Up and down move it to
    // `selected` ± 1 and leave the moved line selected.
    std::vector<std::string> MoveUp(int& selected);
    std::vector<std::string> MoveDown(int& selected);
    std::vector<std::string> Add(std::string text);
    std::vector<std::string> Delete(MRecordBase& store, int selected);
    std::vector<std::string> Rename(MRecordBase& store, int selected, std::string text);
    std::vector<std::string> Merge(MRecordBase& store, int selected, std::string target);

    // The stored list becomes the editor's lines, in their order. False when it cannot be
    // written (the store's last error says why).
    bool Close(MRecordBase& store);

  private:
    std::vector<std::string> Move(int& selected, int step);
    int IndexOf(std::string_view name) const;
    // The ids of `line` that `write` handled; the others stay on the line.
    template <typename Write>
    std::vector<std::int32_t> Rewrite(MRecordBase& store, const std::vector<std::int32_t>& ids,
                                      Write write);
    void UpdateCaption();

    std::vector<CategoryLine> lines_;
    std::string caption_;
    bool changed_ = false;
    std::string lastError_;
};

// The questions the editor asks before a command (title "注意", No the default).
std::string DeleteCategoryQuestion(std::string_view name);
std::string RenameCategoryQuestion(std::string_view name);
std::string MergeCategoryQuestion(std::string_view name);
inline constexpr std::string_view kCategoryQuestionTitle = "注意";
inline constexpr std::string_view kNewCategoryTitle = "新类别";
inline constexpr std::string_view kNewCategoryPrompt = "请输入新的类别名称：        ";
inline constexpr std::string_view kTargetCategoryTitle = "目的类别";
inline constexpr std::string_view kTargetCategoryPrompt = "请输入要移动到目的类别名称：        ";

// The category chooser of a new case: the stored entry the trimmed text names (letter case
// ignored), or nothing after which the dialog shows kChooseExistingCategory and stays open.
std::optional<std::string> ChooseCategory(const std::vector<std::string>& categories,
                                          std::string_view text);
inline constexpr std::string_view kChooseExistingCategory =
    "请输入已经存在的类别名！如果要增加一个新的类别，请到案例列表上按鼠标右键-增加类别！";

}  // namespace tavrel
