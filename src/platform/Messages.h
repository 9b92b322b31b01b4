// The platform's Japanese string table: every text that an exception carries.
// Sources are UTF-8; the compiler stores these literals as code page 932 bytes.
#pragma once

#include <string>

namespace Messages {

inline constexpr const char* SReadError = "ストリームからの読み込みエラー";
inline constexpr const char* SWriteError = "ストリームへの書き込みエラー";
inline constexpr const char* SFCreateError = "ファイル %s を作成できません";
inline constexpr const char* SResNotFound = "%s リソースが見つかりません";
inline constexpr const char* SRegGetDataFailed = "'%s' の取得に失敗しました";
inline constexpr const char* SInvalidRegType = "'%s' のデータ型が不正です";
inline constexpr const char* SOutOfResources = "システム リソースが足りません";
inline constexpr const char* SNoCanvasHandle = "Canvas に対する描画ができません";
inline constexpr const char* SOutOfMemory = "メモリが足りません";

// Fills the one "%s" of a message template with the argument, byte for byte.
std::string Format(const char* templ, const std::string& argument);

}  // namespace Messages
