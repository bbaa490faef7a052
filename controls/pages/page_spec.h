#pragma once
#include <string>
#include <vector>

namespace qel {

// What a field shows and gives: a text unchanged, a number (LeadingNumber of the text), a pick
// list's position, a check box's state.
enum class FieldKind { Text, Number, Pick, Check };

// One field of a page's fixed design: its inner control, the member it edits and where it and
// its caption label stand (twips; inside `container` when one is named).
struct FieldSpec {
    std::string name;
    FieldKind kind = FieldKind::Text;
    std::string member;
    int top = 0;
    int left = 1200;
    int width = 1935;
    // The caption label's text, or a check box's own caption.
    std::string caption;
    // The label control beside the field (none for a check box): a member of an array when
    // labelIndex >= 0.
    std::string labelName = "Label1";
    int labelIndex = -1;
    int labelLeft = 120;
    int labelTop = -1; // -1: the field's top
    int labelWidth = 975;
    // Pick lists: the items, and the digit of the first one (1 shifts every position by one).
    std::vector<std::string> items;
    int firstItem = 0;
    int height = 0; // 0: the kind's usual height
    std::string container;
};

// A frame holding a picture box that holds fields (their places are relative to the box).
struct ContainerSpec {
    std::string frame;
    std::string caption;
    int left = 0, top = 0, width = 0, height = 0;
    std::string picture;
    int pictureLeft = 0, pictureTop = 0, pictureWidth = 0, pictureHeight = 0;
};

// A page's stored design and the order in which it reads and writes members.
struct PageSpec {
    std::string name;
    std::string caption = "General";
    // The class whose controls the page writes.
    std::string pageClass;
    int width = 4800;
    int height = 3600;
    std::vector<ContainerSpec> containers;
    std::vector<FieldSpec> fields;
    std::vector<std::string> loadOrder;  // member names
    std::vector<std::string> applyOrder; // member names
    bool loadSkipsErrors = false;
    bool applySkipsErrors = true;
};

} // namespace qel
