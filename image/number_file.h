// Text files of whole numbers (the image file, the alignment file, the
// signal file): the one item reader and the one safe replace they share.
//
// Reader: the file is one stream of items; any run of blanks, tabs, commas
// and line ends separates two items, so the line structure is not checked.
// An item is a whole number: an optional sign and decimal digits. The reader
// takes the first `count` items and reads nothing after them; it hands the
// values over only when every one of them is good, so a caller that stores
// them afterwards changes its table all or nothing. Only regular files are
// read (a pipe or a device is refused at once); a file larger than the
// format allows is refused unread, and an item longer than the format allows
// is refused as soon as it has grown that long, so a large file that is no
// such file costs no more than a glance.
//
// Safe replace: the new text goes into a temporary file beside the target
// (a short name of fixed length, so any name the directory takes can be
// saved), is flushed to the disk, takes the old file's permissions and is
// renamed over the target; through a link, the file it points at is
// replaced. A target that is there but is no regular file (after following
// links: a device, a pipe, a folder) is refused before anything is written,
// so the node stays as it was. A write-protected file is refused. When the
// directory takes no new file but the file itself may be written, the file
// is written in place.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

enum class Number_Fault {
  None,
  Cannot_Open,   // the file does not exist, may not be opened, or is a pipe or a device
  Cannot_Read,   // opened, but reading failed (a directory, an I/O error)
  Too_Large,     // far larger than any file of the format can be; nothing was read
  Ends_Early,    // fewer items than the format holds
  Not_A_Number,  // an item that is not a whole number
  Out_Of_Range,  // a whole number outside its item's range, or too long for any
  Cannot_Write,  // the file could not be created, written or put in place
};

// What a save found at its target (after following links) that it refuses
// to replace.
enum class Save_Refusal {
  None,
  Device,  // a character or block device
  Pipe,    // a FIFO
  Folder,  // a directory
  Other,   // any other node that is no regular file (a socket)
};

struct Number_File_Result {
  Number_Fault fault = Number_Fault::None;
  int item = 0;        // read faults: 1-based number of the item at fault
                       // (Ends_Early: the number of items found)
  int text_line = 0;   // read faults: 1-based text line where it stands
  std::string found;   // the item as found, shortened, non-printables as \xNN
  std::string reason;  // Cannot_Open / Cannot_Read / Cannot_Write: the system's reason
                       // (a refused save target: what it is, "it is a pipe")
  bool old_file_changed = false;  // Cannot_Write in place: the old content is damaged
  bool old_file_there = false;    // Cannot_Write: something of that name was there before
  Save_Refusal refused = Save_Refusal::None;  // Cannot_Write: the target is no regular file
  bool Ok() const { return fault == Number_Fault::None; }
};

struct Number_Format {
  int count = 0;                // items to read
  size_t max_item_chars = 20;   // a longer item is refused at once
  uint64_t max_file_bytes = 0;  // a larger file (or text) is refused unread
  // Range check of item `index` (0-based); an item whose check fails is
  // Out_Of_Range. A value too large for a long long arrives saturated.
  std::function<bool(int index, long long value)> in_range;
};

// Reads format.count items of text. values is replaced only on success.
Number_File_Result Parse_Number_Items(std::string_view text, const Number_Format &format,
                                      std::vector<long long> &values);

// Reads format.count items of the file at path (regular files only).
Number_File_Result Read_Number_File(const std::string &path, const Number_Format &format,
                                    std::vector<long long> &values);

// Appends value in the compact form of the writers: a blank, the decimal
// digits (a "-" before them for a negative value), a blank.
void Append_Compact_Number(std::string &out, long long value);

// Puts text in place of the file at path as the head comment says. On a
// failure before the rename the old file is untouched and no temporary file
// is left behind; old_file_changed tells when a failed in-place write has
// already changed it, old_file_there whether anything of that name was there.
// A target that is no regular file is refused with Cannot_Write and its kind
// in refused (reason holds the same in words), before anything is created.
Number_File_Result Replace_File(const std::string &path, std::string_view text);

}  // namespace zv
