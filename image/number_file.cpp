#include "image/number_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace zv {

namespace {

namespace fs = std::filesystem;

bool Is_Separator(int c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }

// Characters of text taken one at a time; Get() gives -1 at the end.
class String_Source {
 public:
  explicit String_Source(std::string_view text) : text_(text) {}
  int Get() { return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_++]) : -1; }
  bool Failed() const { return false; }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// Characters of an open file, read in blocks; only what the items need is read.
class File_Source {
 public:
  explicit File_Source(std::FILE *file) : file_(file) {}
  int Get() {
    if (pos_ == len_) {
      len_ = std::fread(buf_, 1, sizeof buf_, file_);
      pos_ = 0;
      if (len_ == 0) {
        if (std::ferror(file_)) {
          failed_ = true;
          errno_ = errno;
        }
        return -1;
      }
    }
    return static_cast<unsigned char>(buf_[pos_++]);
  }
  bool Failed() const { return failed_; }
  int Error() const { return errno_; }

 private:
  std::FILE *file_;
  char buf_[16384];
  size_t len_ = 0, pos_ = 0;
  bool failed_ = false;
  int errno_ = 0;
};

constexpr size_t kShownChars = 20;

// Adds c to the shown form of an item: printable ASCII as it is, anything else
// as \xNN, and "..." once the item is longer than the shown part.
void Append_Shown(std::string &shown, size_t index, int c) {
  if (index > kShownChars) return;
  if (index == kShownChars) {
    shown += "...";
    return;
  }
  if (c >= 0x20 && c < 0x7F) {
    shown += static_cast<char>(c);
  } else {
    static const char kHex[] = "0123456789ABCDEF";
    shown += "\\x";
    shown += kHex[(c >> 4) & 15];
    shown += kHex[c & 15];
  }
}

Number_File_Result Too_Large() {
  Number_File_Result r;
  r.fault = Number_Fault::Too_Large;
  return r;
}

template <class Source>
Number_File_Result Parse_Items(Source &src, const Number_Format &format,
                               std::vector<long long> &values) {
  std::vector<long long> scratch;
  scratch.reserve(static_cast<size_t>(format.count > 0 ? format.count : 0));
  Number_File_Result result;
  auto fail = [&](Number_Fault fault, int item, std::string found) {
    result.fault = fault;
    result.item = item;
    result.found = std::move(found);
    return result;
  };
  result.text_line = 1;
  int c = src.Get();
  for (int item = 0; item < format.count; ++item) {
    while (c >= 0 && Is_Separator(c)) {
      if (c == '\n') ++result.text_line;
      c = src.Get();
    }
    if (c < 0) return fail(src.Failed() ? Number_Fault::Cannot_Read : Number_Fault::Ends_Early, item, "");
    // One item: an optional sign and digits, up to the next separator.
    std::string shown;
    size_t length = 0;
    bool negative = false, digits = false, other = false, saturated = false;
    long long value = 0;
    while (c >= 0 && !Is_Separator(c)) {
      if (length == 0 && (c == '+' || c == '-')) {
        negative = c == '-';
      } else if (c >= '0' && c <= '9') {
        digits = true;
        if (value > (LLONG_MAX - (c - '0')) / 10) saturated = true;
        if (!saturated) value = value * 10 + (c - '0');
      } else {
        other = true;
      }
      Append_Shown(shown, length, c);
      ++length;
      // No number of the format is this long: stop reading here.
      if (length > format.max_item_chars)
        return fail(other ? Number_Fault::Not_A_Number : Number_Fault::Out_Of_Range, item + 1,
                    shown);
      c = src.Get();
    }
    if (c < 0 && src.Failed()) return fail(Number_Fault::Cannot_Read, item + 1, "");
    if (other || !digits) return fail(Number_Fault::Not_A_Number, item + 1, shown);
    if (saturated) value = LLONG_MAX;
    if (negative) value = saturated ? LLONG_MIN : -value;
    if (format.in_range && !format.in_range(item, value))
      return fail(Number_Fault::Out_Of_Range, item + 1, shown);
    scratch.push_back(value);
  }
  values = std::move(scratch);
  return result;
}

Number_File_Result Write_Fault(int err, bool old_file_changed = false) {
  Number_File_Result r;
  r.fault = Number_Fault::Cannot_Write;
  r.reason = std::strerror(err ? err : EIO);
  r.old_file_changed = old_file_changed;
  return r;
}

// Writes all of text at the file offset `offset` on (pwrite) or at the
// current position (offset < 0). Returns 0 or the error.
int Write_All(int fd, std::string_view text, off_t offset) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = offset < 0 ? ::write(fd, text.data() + done, text.size() - done)
                                 : ::pwrite(fd, text.data() + done, text.size() - done,
                                            offset + static_cast<off_t>(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return EIO;
    done += static_cast<size_t>(n);
  }
  return 0;
}

// A new file beside the target with a short name of fixed length
// (".zv" and 12 hexadecimal digits), whatever the target's name is; O_EXCL
// refuses a name that exists. Returns the descriptor, or -1 with errno set.
int Create_Temp(const fs::path &dir, fs::path &temp) {
  static unsigned long long counter = 0;
  struct timespec now {};
  clock_gettime(CLOCK_REALTIME, &now);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const unsigned long long tag =
        (static_cast<unsigned long long>(getpid()) * 0x9E3779B97F4A7C15ULL) ^
        static_cast<unsigned long long>(now.tv_nsec) ^ (++counter << 20);
    char name[32];
    std::snprintf(name, sizeof name, ".zv%012llx", tag & 0xFFFFFFFFFFFFULL);
    temp = dir / name;
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The directory takes no new file, but the file may be written: an editor
// would save it, so it is written where it stands. The new text goes over
// the old from its start and the file is then cut to the new length, so no
// block has to be found on the disk unless the file grows.
Number_File_Result Write_In_Place(const fs::path &target, std::string_view text) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return Write_Fault(errno);
  int err = Write_All(fd, text, 0);
  const bool changed = true;  // from the first write on, the old content may be gone
  if (!err && ::ftruncate(fd, static_cast<off_t>(text.size())) != 0) err = errno;
  if (!err && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && !err) err = errno;
  if (err) return Write_Fault(err, changed);
  return {};
}

}  // namespace

Number_File_Result Parse_Number_Items(std::string_view text, const Number_Format &format,
                                      std::vector<long long> &values) {
  if (format.max_file_bytes && text.size() > format.max_file_bytes) return Too_Large();
  String_Source src(text);
  return Parse_Items(src, format, values);
}

Number_File_Result Read_Number_File(const std::string &path, const Number_Format &format,
                                    std::vector<long long> &values) {
  auto open_fault = [](int err, const char *reason = nullptr) {
    Number_File_Result r;
    r.fault = Number_Fault::Cannot_Open;
    r.reason = reason ? reason : std::strerror(err);
    return r;
  };
  // Opened without blocking, so that a pipe without a writer cannot hold the
  // program; pipes and devices are refused (a device such as /dev/zero would
  // never end), only regular files are read. A directory is left to the read,
  // which reports it.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return open_fault(errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    return open_fault(err);
  }
  if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
    ::close(fd);
    return open_fault(0, "not a regular file");
  }
  if (S_ISREG(st.st_mode) && format.max_file_bytes &&
      static_cast<uint64_t>(st.st_size) > format.max_file_bytes) {
    ::close(fd);
    return Too_Large();
  }
  std::FILE *file = ::fdopen(fd, "rb");
  if (!file) {
    const int err = errno;
    ::close(fd);
    return open_fault(err);
  }
  File_Source src(file);
  Number_File_Result r = Parse_Items(src, format, values);
  if (r.fault == Number_Fault::Cannot_Read) r.reason = std::strerror(src.Error());
  std::fclose(file);
  return r;
}

void Append_Compact_Number(std::string &out, long long value) {
  char digits[24];
  const auto res = std::to_chars(digits, digits + sizeof digits, value);
  out += ' ';
  out.append(digits, res.ptr);
  out += ' ';
}

namespace {

// The kind of node st describes, when it is no regular file.
Save_Refusal Refusal_For(const struct stat &st) {
  if (S_ISREG(st.st_mode)) return Save_Refusal::None;
  if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return Save_Refusal::Device;
  if (S_ISFIFO(st.st_mode)) return Save_Refusal::Pipe;
  if (S_ISDIR(st.st_mode)) return Save_Refusal::Folder;
  return Save_Refusal::Other;
}

const char *Refusal_Reason(Save_Refusal refused) {
  switch (refused) {
    case Save_Refusal::None:
      break;
    case Save_Refusal::Device:
      return "it is a device";
    case Save_Refusal::Pipe:
      return "it is a pipe";
    case Save_Refusal::Folder:
      return "it is a folder";
    case Save_Refusal::Other:
      return "it is not a regular file";
  }
  return "";
}

// Replace_File; old_exists tells whether something of that name was there.
Number_File_Result Replace_Target(const std::string &path, std::string_view text, bool &old_exists) {
  std::error_code ec;
  fs::path target(path);
  // Through a link, the file it points at is replaced, not the link.
  if (fs::is_symlink(target, ec)) {
    fs::path resolved = fs::weakly_canonical(target, ec);
    if (!ec) target = resolved;
  }

  // What is there is looked at through any link. A node that is no regular
  // file is never replaced: a rename would put a plain file in place of a
  // device or a pipe, and writing into one would send the text elsewhere.
  struct stat old_st {};
  old_exists = ::stat(target.c_str(), &old_st) == 0;
  if (old_exists && !S_ISREG(old_st.st_mode)) {
    Number_File_Result r;
    r.fault = Number_Fault::Cannot_Write;
    r.refused = Refusal_For(old_st);
    r.reason = Refusal_Reason(r.refused);
    return r;
  }
  if (target.filename().empty()) return Write_Fault(EISDIR);
  const fs::path dir = target.parent_path();

  // The new file takes the old one's place by a rename, which the directory
  // allows even where the file itself is write-protected: such a file is
  // refused, as writing into it would be. (What is there is a regular file:
  // anything else was refused above.)
  if (old_exists &&
      ((old_st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0))
    return Write_Fault(EACCES);

  fs::path temp;
  const int fd = Create_Temp(dir, temp);
  if (fd < 0) {
    const int err = errno;
    if ((err == EACCES || err == EPERM) && old_exists) return Write_In_Place(target, text);
    return Write_Fault(err);
  }

  int err = Write_All(fd, text, -1);
  // The replaced file keeps its permissions.
  if (!err && old_exists && ::fchmod(fd, old_st.st_mode & 07777) != 0) err = errno;
  if (!err && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && !err) err = errno;
  if (!err && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err) {
    ::unlink(temp.c_str());
    return Write_Fault(err);
  }
  return {};
}

}  // namespace

Number_File_Result Replace_File(const std::string &path, std::string_view text) {
  bool old_exists = false;
  Number_File_Result r = Replace_Target(path, text, old_exists);
  if (r.fault == Number_Fault::Cannot_Write) r.old_file_there = old_exists;
  return r;
}

}  // namespace zv
