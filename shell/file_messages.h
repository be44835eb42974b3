// Messages about number files (".dat", ".adj", ".sig"): what went wrong with
// a file that could not be read or saved, naming the file and the fault.
#pragma once

#include <QString>

#include "image/adj_file.h"
#include "image/dat_file.h"
#include "image/number_file.h"

namespace zv {

struct Number_File_Kind {
  const char *noun_en;  // "image file"
  int items;            // the numbers such a file holds
};
inline constexpr Number_File_Kind kImage_File_Kind{"image file", kImageFileItems};
inline constexpr Number_File_Kind kAdj_File_Kind{"alignment file", kAdjFileItems};

// Why a save failed, in the language asked for: the kind of node it refused
// to replace ("it is a device", ...), else the system's reason.
QString Save_Fault_Reason(const Number_File_Result &r, bool chinese);

// The message of a failed read or save in the language asked for. A failed
// save ends by saying that the file of that name is unchanged only when there
// was one.
QString Number_File_Fault_Text(const QString &file, const Number_File_Result &r, bool chinese,
                               const Number_File_Kind &kind);

}  // namespace zv
