#pragma once
// The program's own texts. Written here in UTF-8; compiled into code page 932.
namespace AppTexts {
constexpr char ApplicationTitle[] = "Tamberlo";
constexpr char FormCaption[] = "Quindrel v1.2";
constexpr char FontFace[] = "ＭＳ Ｐゴシック";

constexpr char NewBtnHint[] = "ファイル名一覧を消去する";
constexpr char SaveBtnHint[] = "ファイル名一覧をテキストとしてセーブする";
constexpr char CopyTxtHint[] = "取得したファイル名をコピーバッファにコピーする";
constexpr char MojiAAHint[] = "取得したファイル名のファイルを全て大文字にする";
constexpr char MojiAHint[] = "取得したファイル名のファイルを全て小文字にする";
constexpr char ExpBtnHint[] = "ファイルエクスプローラーを起動する";
constexpr char EndBHint[] = "プログラムを終了";
constexpr char REditHint[] =
    "ここへファイルエクスプローラーからファイルをドラックするとファイル名一覧としてリストができる";
constexpr char CBox1Caption[] = "ドライブとデレクトリーを取得する";

constexpr char DefaultFileName[] = "新規.txt";
constexpr char SaveFilter[] = "テキストファイル(*.txt)|*.txt";
constexpr char OverwriteWarning[] = "同じ名前のﾌｧｲﾙがありますが\r\nﾃｷｽﾄを上書セーブしますか？";

constexpr char NothingToConvert[] = "変換するファイル名がありません";
constexpr char UpperCaseQuestion[] = "ファイル名も大文字にしますか？";
constexpr char LowerCaseQuestion[] = "ファイル名も小文字にしますか？";

constexpr char FileManagerCommand[] = "EXPLORER.EXE";
}  // namespace AppTexts
