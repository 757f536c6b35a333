// The riddle file's table and index as SQL names them. Plain C++: the reader of Access files,
// which links no Qt, reads a table of the same name.
#pragma once

namespace RiddleSchema {

inline constexpr char Table[] = "tblRiddles";
inline constexpr char KeyIndex[] = "idxRiddlesId";

}  // namespace RiddleSchema
