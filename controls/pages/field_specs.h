#pragma once
#include "controls/pages/page_spec.h"
#include <string>
#include <vector>

namespace qel::fields {

// Short builders for the rows of a page's design. Labels stand at left 120 on the field's row.

inline FieldSpec Text(std::string name, std::string member, int top, std::string caption, int labelIndex, int left = 1200,
    int width = 1935)
{
    FieldSpec f;
    f.name = std::move(name);
    f.kind = FieldKind::Text;
    f.member = std::move(member);
    f.top = top;
    f.left = left;
    f.width = width;
    f.caption = std::move(caption);
    f.labelIndex = labelIndex;
    return f;
}

inline FieldSpec Number(std::string name, std::string member, int top, std::string caption, int labelIndex, int left = 1200,
    int width = 1935)
{
    FieldSpec f = Text(std::move(name), std::move(member), top, std::move(caption), labelIndex, left, width);
    f.kind = FieldKind::Number;
    return f;
}

inline FieldSpec Pick(std::string name, std::string member, int top, std::string caption, int labelIndex,
    std::vector<std::string> items, int left = 1200, int width = 1935)
{
    FieldSpec f = Text(std::move(name), std::move(member), top, std::move(caption), labelIndex, left, width);
    f.kind = FieldKind::Pick;
    f.items = std::move(items);
    f.firstItem = f.items.empty() ? 0 : f.items.front()[0] - '0';
    return f;
}

inline FieldSpec Check(std::string name, std::string member, int top, std::string caption, int width = 3015)
{
    FieldSpec f;
    f.name = std::move(name);
    f.kind = FieldKind::Check;
    f.member = std::move(member);
    f.top = top;
    f.left = 120;
    f.width = width;
    f.caption = std::move(caption);
    return f;
}

// The label is a single control (not of the Label1 array) or wider than the usual 975 twips.
inline FieldSpec Labelled(FieldSpec f, std::string labelName, int labelIndex, int labelWidth)
{
    f.labelName = std::move(labelName);
    f.labelIndex = labelIndex;
    f.labelWidth = labelWidth;
    return f;
}

inline FieldSpec Wide(FieldSpec f, int labelWidth)
{
    f.labelWidth = labelWidth;
    return f;
}

inline const std::vector<std::string> kJustify3 = {"0 - vbLeftJustify", "1 - vbRightJustify", "2 - vbCenter"};
inline const std::vector<std::string> kBackStyle = {"0 - Transparent", "1 - Opaque"};
inline const std::vector<std::string> kGradient = {"0 - None", "1 - Vertical", "2 - Horizontal"};
inline const std::vector<std::string> kPictureAlignment = {"0 - Left Justify", "1 - Right Justify"};
inline const std::vector<std::string> kCheckValue = {"0 - vbUnChecked", "1 - vbChecked", "2 - vbGrayed"};
inline const std::vector<std::string> kBorderStyle = {"0 - NoBorder", "1 - FixedSingle"};

} // namespace qel::fields
