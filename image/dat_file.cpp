#include "image/dat_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
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

template <class Source>
Dat_Result Parse_Items(Source &src, Radio_Image_Table &image) {
  // Column 16 is not in the file: the scratch copy keeps it as it is.
  Radio_Image_Table scratch = image;
  Dat_Result result;
  int text_line = 1;
  int c = src.Get();
  for (int item = 0; item < kImageFileItems; ++item) {
    while (c >= 0 && Is_Separator(c)) {
      if (c == '\n') ++text_line;
      c = src.Get();
    }
    if (c < 0) {
      result.fault = src.Failed() ? Dat_Fault::Cannot_Read : Dat_Fault::Ends_Early;
      result.item = item;
      result.text_line = text_line;
      return result;
    }
    // One item: an optional sign and digits, up to the next separator.
    std::string shown;
    size_t length = 0;
    bool negative = false, digits = false, other = false, huge = false;
    long long value = 0;
    while (c >= 0 && !Is_Separator(c)) {
      if (length == 0 && (c == '+' || c == '-')) {
        negative = c == '-';
      } else if (c >= '0' && c <= '9') {
        digits = true;
        if (!huge) {
          value = value * 10 + (c - '0');
          if (value > 1000000000LL) huge = true;
        }
      } else {
        other = true;
      }
      Append_Shown(shown, length, c);
      ++length;
      c = src.Get();
    }
    if (c < 0 && src.Failed()) {
      result.fault = Dat_Fault::Cannot_Read;
      result.item = item + 1;
      result.text_line = text_line;
      return result;
    }
    const int col = item % kImageFileItemsPerLine - 3;
    if (other || !digits) {
      result.fault = Dat_Fault::Not_A_Number;
    } else if (col >= 0 && (huge || value > 255 || (negative && value != 0))) {
      result.fault = Dat_Fault::Out_Of_Range;
    }
    if (result.fault != Dat_Fault::None) {
      result.item = item + 1;
      result.text_line = text_line;
      result.found = shown;
      return result;
    }
    // The first three items of a line carry the row number; they are not
    // compared with the row.
    if (col >= 0) scratch(item / kImageFileItemsPerLine, col) = static_cast<uint8_t>(value);
  }
  image = scratch;
  return result;
}

void Append_Number(std::string &out, int value) {
  char digits[8];
  auto res = std::to_chars(digits, digits + sizeof digits, value);
  out += ' ';
  out.append(digits, res.ptr);
  out += ' ';
}

Dat_Result Write_Fault(const std::string &reason) {
  Dat_Result r;
  r.fault = Dat_Fault::Cannot_Write;
  r.reason = reason;
  return r;
}

}  // namespace

std::string Image_File_Text(const Radio_Image_Table &image) {
  std::string out;
  out.reserve(kImageLines * (kImageFileItemsPerLine * 5 + 2));
  for (int r = 0; r < kImageLines; ++r) {
    Append_Number(out, r / 16);
    Append_Number(out, r % 16);
    Append_Number(out, r);
    for (int col = 0; col < kImageDataCols; ++col) Append_Number(out, image(r, col));
    out += "\r\n";
  }
  return out;
}

Dat_Result Parse_Image_File(std::string_view text, Radio_Image_Table &image) {
  String_Source src(text);
  return Parse_Items(src, image);
}

Dat_Result Load_Image_File(const std::string &path, Radio_Image_Table &image) {
  auto open_fault = [](const std::string &reason) {
    Dat_Result r;
    r.fault = Dat_Fault::Cannot_Open;
    r.reason = reason;
    return r;
  };
  // Opened without blocking, so that a pipe without a writer cannot hold the
  // program; pipes and devices are refused (a device such as /dev/zero would
  // never end), only regular files are read. A directory is left to the read,
  // which reports it.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return open_fault(std::strerror(errno));
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    return open_fault(std::strerror(err));
  }
  if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
    ::close(fd);
    return open_fault("not a regular file");
  }
  std::FILE *file = ::fdopen(fd, "rb");
  if (!file) {
    const int err = errno;
    ::close(fd);
    return open_fault(std::strerror(err));
  }
  File_Source src(file);
  Dat_Result r = Parse_Items(src, image);
  if (r.fault == Dat_Fault::Cannot_Read) r.reason = std::strerror(src.Error());
  std::fclose(file);
  return r;
}

Dat_Result Save_Image_File(const std::string &path, const Radio_Image_Table &image) {
  std::error_code ec;
  fs::path target(path);
  // Through a link, the file it points at is replaced, not the link.
  if (fs::is_symlink(target, ec)) {
    fs::path resolved = fs::weakly_canonical(target, ec);
    if (!ec) target = resolved;
  }
  if (target.filename().empty()) return Write_Fault(std::strerror(EISDIR));
  fs::path dir = target.parent_path();

  // The new file takes the old one's place by a rename, which the directory
  // allows even where the file itself is write-protected: such a file is
  // refused, as writing into it would be.
  struct stat old_st {};
  if (::stat(target.c_str(), &old_st) == 0 && S_ISREG(old_st.st_mode) &&
      ((old_st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0))
    return Write_Fault(std::strerror(EACCES));

  const std::string text = Image_File_Text(image);

  // A new temporary name beside the target; "x" refuses a name that exists.
  static unsigned counter = 0;
  fs::path temp;
  std::FILE *file = nullptr;
  for (int attempt = 0; attempt < 100 && !file; ++attempt) {
    temp = dir / ("." + target.filename().string() + ".tmp" + std::to_string(getpid()) + "-" +
                  std::to_string(++counter));
    file = std::fopen(temp.c_str(), "wbx");
    if (!file && errno != EEXIST) break;
  }
  if (!file) return Write_Fault(std::strerror(errno));

  bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  int err = ok ? 0 : errno;
  if (ok && std::fflush(file) != 0) ok = false, err = errno;
  if (ok && fsync(fileno(file)) != 0) ok = false, err = errno;
  if (std::fclose(file) != 0 && ok) ok = false, err = errno;
  if (ok) {
    // The replaced file keeps its permissions.
    fs::file_status old = fs::status(target, ec);
    if (!ec && fs::is_regular_file(old)) fs::permissions(temp, old.permissions(), ec);
    fs::rename(temp, target, ec);
    if (ec) ok = false, err = ec.value();
  }
  if (!ok) {
    fs::remove(temp, ec);
    return Write_Fault(std::strerror(err ? err : EIO));
  }
  return {};
}

}  // namespace zv
