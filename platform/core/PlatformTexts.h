#pragma once
// The layer's own texts, in the system's code page.
namespace PlatformTexts {
constexpr char LineInsertError[] = "RichEdit での行の挿入ｴﾗｰ";
constexpr char FileCreateError[] = "ﾌｧｲﾙ %s を作成できません";
constexpr char StreamWriteError[] = "ｽﾄﾘｰﾑへの書き込みに失敗しました";
constexpr char ListIndexError[] = "リストのインデックスが範囲を超えています (%d)";
constexpr char OutOfMemory[] = "メモリが不足しています";

constexpr char WarningCaption[] = "警告";
constexpr char ConfirmationCaption[] = "確認";
constexpr char YesButton[] = "はい(&Y)";
constexpr char NoButton[] = "いいえ(&N)";
constexpr char OkButton[] = "OK";
constexpr char CancelButton[] = "ｷｬﾝｾﾙ";
}  // namespace PlatformTexts
