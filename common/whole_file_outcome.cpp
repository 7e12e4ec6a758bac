#include "common/whole_file.h"

namespace zenka {

std::string WhyNotReplaced(const FileReplacement& replacement, const std::string& path) {
    switch (replacement.outcome) {
    case FileReplacement::Replaced:
        return {};
    case FileReplacement::ReadOnly:
        return "読み取り専用になっています";
    case FileReplacement::NoFreshName:
        return "一時ファイルの名前 " + path + FreshNameSuffix(0) + " から " + path + FreshNameSuffix(kFreshNameTries - 1) +
               " までがすべて使われていて、空けられません";
    case FileReplacement::NotWritten:
        return "同じフォルダに一時ファイルを書き込めません (書き込みが許されていないか、ディスクがいっぱいです)";
    case FileReplacement::NotMoved:
        return "新しい内容に置き換えられません (ほかのプログラムが使っているか、書き込みが許されていません)";
    }
    return {};
}

}  // namespace zenka
