#include "shell/file_messages.h"

namespace zv {

QString Save_Fault_Reason(const Number_File_Result &r, bool chinese) {
  // The result's reason is the English one ("it is a device", or the
  // system's words).
  if (chinese) {
    switch (r.refused) {
      case Save_Refusal::None:
        break;
      case Save_Refusal::Device:
        return QStringLiteral("它是设备");
      case Save_Refusal::Pipe:
        return QStringLiteral("它是管道");
      case Save_Refusal::Folder:
        return QStringLiteral("它是文件夹");
      case Save_Refusal::Other:
        return QStringLiteral("它不是普通文件");
    }
  }
  return QString::fromLocal8Bit(r.reason.c_str());
}

QString Number_File_Fault_Text(const QString &file, const Number_File_Result &r, bool chinese,
                               const Number_File_Kind &kind) {
  const QString noun = QStringLiteral("an ") + QString::fromLatin1(kind.noun_en);
  const QString found = QString::fromStdString(r.found);
  const QString reason = QString::fromLocal8Bit(r.reason.c_str());
  // One pass over each text, so that a "%2" in the file name or in the
  // file's own text stays as it is instead of taking a later number's place.
  const QString item = QString::number(r.item), line = QString::number(r.text_line),
                total = QString::number(kind.items);
  switch (r.fault) {
    case Number_Fault::None:
      break;
    case Number_Fault::Cannot_Open:
      return chinese ? QStringLiteral("无法打开文件 \"%1\"：%2。参数未改变。").arg(file, reason)
                     : QStringLiteral("Cannot open the file \"%1\": %2. Nothing was changed.")
                           .arg(file, reason);
    case Number_Fault::Cannot_Read:
      return chinese ? QStringLiteral("无法读取文件 \"%1\"：%2。参数未改变。").arg(file, reason)
                     : QStringLiteral("Cannot read the file \"%1\": %2. Nothing was changed.")
                           .arg(file, reason);
    case Number_Fault::Too_Large:
      return chinese ? QStringLiteral("文件 \"%1\" 不是参数文件：它远大于任何参数文件。参数未改变。")
                           .arg(file)
                     : (QStringLiteral("The file \"%1\" is not ") + noun +
                        QStringLiteral(": it is far larger than any ") + QString::fromLatin1(kind.noun_en) +
                        QStringLiteral(". Nothing was changed."))
                           .arg(file);
    case Number_Fault::Ends_Early:
      return chinese ? QStringLiteral("文件 \"%1\" 不完整：只有 %2 个数，应有 %3 个。参数未改变。")
                           .arg(file, item, total)
                     : (QStringLiteral("The file \"%1\" ends early: it holds %2 of the %3 numbers of ") + noun +
                        QStringLiteral(". Nothing was changed."))
                           .arg(file, item, total);
    case Number_Fault::Not_A_Number:
      return chinese ? QStringLiteral("文件 \"%1\" 的第 %3 项（第 %2 行）\"%4\" 不是整数。参数未改变。")
                           .arg(file, line, item, found)
                     : (QStringLiteral("The file \"%1\" is not ") + noun +
                        QStringLiteral(": item %3 (\"%4\"), on line %2, is not a whole number. Nothing was changed."))
                           .arg(file, line, item, found);
    case Number_Fault::Out_Of_Range:
      return chinese ? QStringLiteral("文件 \"%1\" 的第 %3 项（第 %2 行）%4 超出 0 - 255。参数未改变。")
                           .arg(file, line, item, found)
                     : QStringLiteral("The file \"%1\" holds a bad value: item %3 (%4), on line "
                                      "%2, is not within 0 to 255. Nothing was changed.")
                           .arg(file, line, item, found);
    case Number_Fault::Cannot_Write:
      if (r.old_file_changed)
        return chinese ? QStringLiteral("无法保存文件 \"%1\"：%2。该文件已不完整，请重新保存。")
                             .arg(file, reason)
                       : QStringLiteral("Cannot save the file \"%1\": %2. The file is no longer "
                                        "whole; save it again.")
                             .arg(file, reason);
      if (!r.old_file_there)
        return chinese ? QStringLiteral("无法保存文件 \"%1\"：%2。").arg(file, Save_Fault_Reason(r, chinese))
                       : QStringLiteral("Cannot save the file \"%1\": %2.").arg(file, Save_Fault_Reason(r, chinese));
      return chinese ? QStringLiteral("无法保存文件 \"%1\"：%2。原有的同名文件未改变。")
                           .arg(file, Save_Fault_Reason(r, chinese))
                     : QStringLiteral("Cannot save the file \"%1\": %2. A file of that name that "
                                      "was there is unchanged.")
                           .arg(file, Save_Fault_Reason(r, chinese));
  }
  return {};
}

}  // namespace zv
