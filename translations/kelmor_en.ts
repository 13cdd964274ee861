<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Catalogue</name>
    <message>
        <source>ハキュラ</source>
        <translation>Hakyura</translation>
    </message>
    <message>
        <source>コウモリ</source>
        <translation>Bat</translation>
    </message>
    <message>
        <source>与作</source>
        <translation>Yosaku</translation>
    </message>
    <message>
        <source>丸い敵</source>
        <translation>Round enemy</translation>
    </message>
    <message>
        <source>踏み台</source>
        <translation>Springboard</translation>
    </message>
    <message>
        <source>破壊可能な壁</source>
        <translation>Breakable wall</translation>
    </message>
    <message>
        <source>移動可能ブロック</source>
        <translation>Movable block</translation>
    </message>
    <message>
        <source>シルビア</source>
        <translation>Silvia</translation>
    </message>
    <message>
        <source>GOLD</source>
        <translation>GOLD</translation>
    </message>
    <message>
        <source>ハート</source>
        <translation>Heart</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>KEY</translation>
    </message>
    <message>
        <source>針（縦）</source>
        <translation>Spikes (vertical)</translation>
    </message>
    <message>
        <source>針（横）</source>
        <translation>Spikes (horizontal)</translation>
    </message>
    <message>
        <source>爆弾(点火前)</source>
        <translation>Bomb (unlit)</translation>
    </message>
    <message>
        <source>爆弾(点火中)</source>
        <translation>Bomb (lit)</translation>
    </message>
    <message>
        <source>友達</source>
        <translation>Friend</translation>
    </message>
    <message>
        <source>GOLD2(落下あり)</source>
        <translation>GOLD2 (falls)</translation>
    </message>
    <message>
        <source>隠れキャラ</source>
        <translation>Hidden character</translation>
    </message>
    <message>
        <source>踏み台(縦)</source>
        <translation>Springboard (vertical)</translation>
    </message>
    <message>
        <source>花(芽)</source>
        <translation>Flower (bud)</translation>
    </message>
    <message>
        <source>花(咲く)</source>
        <translation>Flower (in bloom)</translation>
    </message>
    <message>
        <source>red</source>
        <translation>red</translation>
    </message>
    <message>
        <source>wani</source>
        <translation>wani</translation>
    </message>
    <message>
        <source>kinoko</source>
        <translation>kinoko</translation>
    </message>
    <message>
        <source>空白</source>
        <translation>Blank</translation>
    </message>
    <message>
        <source>ハシゴ</source>
        <translation>Ladder</translation>
    </message>
    <message>
        <source>ドア（開いてる）</source>
        <translation>Door (open)</translation>
    </message>
    <message>
        <source>一方通行</source>
        <translation>One-way</translation>
    </message>
    <message>
        <source>レンガ2（黄）</source>
        <translation>Brick 2 (yellow)</translation>
    </message>
    <message>
        <source>ドア（閉じてる）</source>
        <translation>Door (closed)</translation>
    </message>
    <message>
        <source>レンガ1(赤)</source>
        <translation>Brick 1 (red)</translation>
    </message>
    <message>
        <source>レンガ3（灰）</source>
        <translation>Brick 3 (grey)</translation>
    </message>
    <message>
        <source>レンガ4（緑）</source>
        <translation>Brick 4 (green)</translation>
    </message>
    <message>
        <source>レンガ（青）</source>
        <translation>Brick (blue)</translation>
    </message>
</context>
<context>
    <name>EraseMapCommand</name>
    <message>
        <source>マップ消去</source>
        <translation>Erase map</translation>
    </message>
</context>
<context>
    <name>FormControls</name>
    <message>
        <source>最初のマップ</source>
        <translation>First map</translation>
    </message>
    <message>
        <source>前のマップ</source>
        <translation>Previous map</translation>
    </message>
    <message>
        <source>次のマップ</source>
        <translation>Next map</translation>
    </message>
    <message>
        <source>最後のマップ</source>
        <translation>Last map</translation>
    </message>
    <message>
        <source>マップのヘッダー</source>
        <translation>Map header</translation>
    </message>
    <message>
        <source>[左クリック]=PUT ／ &#x3000;[右クリック]=GET</source>
        <translation>[Left click]=PUT / [Right click]=GET</translation>
    </message>
    <message>
        <source>マップ表示</source>
        <translation>Map view</translation>
    </message>
    <message>
        <source>タイル画像</source>
        <translation>Tile picture</translation>
    </message>
    <message>
        <source>パレット</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>マップ保存</source>
        <translation>Save map</translation>
    </message>
    <message>
        <source>マップ作成</source>
        <translation>Create map</translation>
    </message>
    <message>
        <source>マップ消去</source>
        <translation>Erase map</translation>
    </message>
</context>
<context>
    <name>MapNavigation</name>
    <message>
        <source>最後のマップを開けません</source>
        <translation>The last map cannot be opened</translation>
    </message>
    <message>
        <source>移動するマップの番号を入力してください。</source>
        <translation>Enter the number of the map to go to.</translation>
    </message>
    <message>
        <source>map No %1を新規に作成しますか?</source>
        <translation>Create map No %1 anew?</translation>
    </message>
    <message>
        <source>マップを作成できません</source>
        <translation>The map cannot be created</translation>
    </message>
    <message>
        <source>マップを複製できません</source>
        <translation>The map cannot be duplicated</translation>
    </message>
</context>
<context>
    <name>MapSaving</name>
    <message>
        <source>map No %1を保存しますか?</source>
        <translation>Save map No %1?</translation>
    </message>
    <message>
        <source>%1 の map No %2 を上書きしますか?
そのマップは、このマップとして読み込んだものではありません（同じヘッダーの別のマップか、読み込んだ後にほかのプログラムが変更したマップです）。</source>
        <translation>Overwrite map No %2 of %1?
That map is not the one this map was read from (it is another map with the same header, or another program changed it after it was read).</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ツールバー(&amp;T)</source>
        <translation>&amp;Tool bar</translation>
    </message>
    <message>
        <source>ステータスバー(&amp;S)</source>
        <translation>&amp;Status bar</translation>
    </message>
    <message>
        <source>グリッドを表示(&amp;G)</source>
        <translation>Show &amp;grid</translation>
    </message>
    <message>
        <source>セルのコードを表示(&amp;C)</source>
        <translation>Show cell &amp;codes</translation>
    </message>
    <message>
        <source>マップ(&amp;M)</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>ヘッダーに「*」がありません。「*」のないマップは読み込めなくなるため、保存できません。ヘッダーに「*」を入れてください（例: *MAP001）。</source>
        <translation>The header has no &quot;*&quot;. A map without a &quot;*&quot; could not be read again, so it cannot be saved. Put a &quot;*&quot; in the header (for example *MAP001).</translation>
    </message>
    <message>
        <source>ヘッダーが「&quot;」で始まっているため、保存すると別のヘッダーとして読まれてしまいます。ヘッダーを直してください。</source>
        <translation>The header starts with a quote (&quot;), so once saved it would be read as another header. Correct the header.</translation>
    </message>
    <message>
        <source>ヘッダーが空白で始まっているため、保存すると空白のないヘッダーとして読まれ、このマップを見つけられなくなります。ヘッダーを直してください。</source>
        <translation>The header starts with a blank, so once saved it would be read without the blank and this map could not be found. Correct the header.</translation>
    </message>
    <message>
        <source>ヘッダーに「,」があるため、保存するとヘッダーが二つに分かれてしまいます。ヘッダーを直してください。</source>
        <translation>The header holds a &quot;,&quot;, so once saved it would split into two headers. Correct the header.</translation>
    </message>
    <message>
        <source>ヘッダーに改行があるため、保存するとヘッダーが二つに分かれてしまいます。ヘッダーを直してください。</source>
        <translation>The header holds a line break, so once saved it would split into two headers. Correct the header.</translation>
    </message>
    <message>
        <source>読み込めません</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>作成できません</source>
        <translation>cannot be created</translation>
    </message>
    <message>
        <source>書き込めません</source>
        <translation>cannot be written</translation>
    </message>
    <message>
        <source>ディスクに書き込めません</source>
        <translation>cannot be written to the disk</translation>
    </message>
    <message>
        <source>置き換えられません</source>
        <translation>cannot be replaced</translation>
    </message>
    <message>
        <source>の変更をディスクに記録できません</source>
        <translation>cannot record its change on the disk</translation>
    </message>
    <message>
        <source>削除できません</source>
        <translation>cannot be removed</translation>
    </message>
    <message>
        <source>保存できません（ほかのエディターが保存を続けています）</source>
        <translation>cannot be saved (another editor is still saving it)</translation>
    </message>
    <message>
        <source>開けません（普通のファイルではありません）</source>
        <translation>cannot be opened (it is not a regular file)</translation>
    </message>
    <message>
        <source>書き換えられません（読み取り専用です）</source>
        <translation>cannot be changed (it is read-only)</translation>
    </message>
    <message>
        <source>読み直せません</source>
        <translation>cannot be read back</translation>
    </message>
    <message>
        <source>

マップの変更はまだ保存されていません。</source>
        <translation>

The changes to the map are not saved yet.</translation>
    </message>
    <message>
        <source>%1 が見つかりません。
マップを保存すると、このフォルダーに新しく作られます。</source>
        <translation>%1 was not found.
Saving a map makes it anew in this folder.</translation>
    </message>
    <message>
        <source>%1 は普通のファイルではないため（フォルダー、パイプ、デバイスなど）、開けません。</source>
        <translation>%1 cannot be opened, as it is not a regular file (a folder, a pipe, a device or the like).</translation>
    </message>
    <message>
        <source>%1 を読み込めません。
%2</source>
        <translation>%1 cannot be read.
%2</translation>
    </message>
    <message>
        <source>%1 を最後まで読み込めませんでした。
%2</source>
        <translation>%1 could not be read to its end.
%2</translation>
    </message>
    <message>
        <source>%1 は普通のファイルではないため、%2。</source>
        <translation>%2, as %1 is not a regular file.</translation>
    </message>
    <message>
        <source>読み込めない</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>最後まで読み込めない</source>
        <translation>cannot be read to its end</translation>
    </message>
    <message>
        <source>%1 を%2ため、%3。
%4</source>
        <translation>%3, as %1 %2.
%4</translation>
    </message>
    <message>
        <source>普通のファイルではありません</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>マップがひとつもありません</source>
        <translation>it holds no map</translation>
    </message>
    <message>
        <source>%1 がほかのプログラムで変更されましたが、読み込めません（%2）。画面の map No %3 はそのままです。</source>
        <translation>%1 was changed by another program but cannot be read (%2). Map No %3 on screen stays as it is.</translation>
    </message>
    <message>
        <source>map No %1を保存できません。
</source>
        <translation>Map No %1 cannot be saved.
</translation>
    </message>
    <message>
        <source>%1 は読み取り専用です。保存するには、書き込みを許可してください。</source>
        <translation>%1 is read-only. To save, allow writing to it.</translation>
    </message>
    <message>
        <source>%1 は普通のファイルではありません（フォルダー、パイプ、デバイスなど）。</source>
        <translation>%1 is not a regular file (a folder, a pipe, a device or the like).</translation>
    </message>
    <message>
        <source>map No %1を保存できません。
%2 は、保存中に使う一時ファイル %3 と同じファイルです。保存するとこのファイルが消えてしまうため、別の名前にしてください。</source>
        <translation>Map No %1 cannot be saved.
%2 is the same file as %3, the scratch file a save uses. Saving would remove it, so give it another name.</translation>
    </message>
    <message>
        <source>map No %1を保存できませんでした。
保存している間に、ほかのプログラムが %2 を何度も変更しました。%2 はそのプログラムが書いたままです。少し待ってから、もう一度保存してください。</source>
        <translation>Map No %1 could not be saved.
While saving, another program changed %2 again and again. %2 is as that program wrote it. Wait a moment, then save again.</translation>
    </message>
    <message>
        <source>map No %1を保存できませんでした。
書き込んだ %2 を読み直すと、このマップが書いたとおりに読めません。
%3 は元のままです。</source>
        <translation>Map No %1 could not be saved.
Read back, the written %2 does not give this map as it was written.
%3 is as it was.</translation>
    </message>
    <message>
        <source>map No %1 は %2 に書き込みましたが、フォルダー %3 %4: %5
念のため、もう一度保存してください。</source>
        <translation>Map No %1 was written to %2, but the folder %3 %4: %5
Save again to be safe.</translation>
    </message>
    <message>
        <source>map No %1を保存できませんでした。
%2 を%3: %4
%5 は元のままです。</source>
        <translation>Map No %1 could not be saved.
%2 %3: %4
%5 is as it was.</translation>
    </message>
    <message>
        <source>
%1 も%2: %3
不要なファイルなので、手で削除してください。</source>
        <translation>
%1 also %2: %3
It is not needed: remove it by hand.</translation>
    </message>
    <message>
        <source>kelmor.bmp をビットマップとして読み込めません。マップのタイルは表示されません。</source>
        <translation>kelmor.bmp cannot be read as a bitmap. The map&apos;s tiles are not shown.</translation>
    </message>
    <message>
        <source>kelmor.bmp が変更されましたが読み込めないため、前のタイルで表示しています。</source>
        <translation>kelmor.bmp was changed but cannot be read, so the previous tiles are shown.</translation>
    </message>
    <message>
        <source>map No %1 は途中で切れています。
%2 にはこのマップの %3 行のうち %4 行しかありません。無い行は空白で表示しています。</source>
        <translation>Map No %1 is cut off.
%2 holds only %4 of this map&apos;s %3 rows. The missing rows are shown blank.</translation>
    </message>
    <message>
        <source>ヘッダーが %1 バイトより長く、表示できません。</source>
        <translation>The header is longer than %1 bytes and cannot be shown.</translation>
    </message>
    <message>
        <source>%1 バイトより長い行があり、その先は表示していません。</source>
        <translation>A row is longer than %1 bytes; what lies past that is not shown.</translation>
    </message>
    <message>
        <source>%1 行目に「*」を含む行（別のマップのヘッダー）があります。このマップの行が足りず、次のマップが行として読まれています。</source>
        <translation>Line %1 holds a &quot;*&quot; (another map&apos;s header). This map has too few rows, and the next map is read as its rows.</translation>
    </message>
    <message>
        <source>map No %1 は %2 の中で壊れています。
</source>
        <translation>Map No %1 is damaged in %2.
</translation>
    </message>
    <message>
        <source>
保存すると別のマップや行を壊すため、このマップは保存できません。</source>
        <translation>
Saving it would damage other maps or rows, so this map cannot be saved.</translation>
    </message>
    <message>
        <source>map No %1 は %2 の中で壊れているため、保存できません。このマップの変更は保存されません。</source>
        <translation>Map No %1 is damaged in %2, so it cannot be saved. The changes to this map are not saved.</translation>
    </message>
    <message>
        <source>map No %1 は %2 の中で壊れているため、複製できません。</source>
        <translation>Map No %1 is damaged in %2, so it cannot be duplicated.</translation>
    </message>
    <message>
        <source>マップ番号は %1 までです。これより先のマップは開けません。</source>
        <translation>Map numbers go up to %1. No map past it can be opened.</translation>
    </message>
    <message>
        <source>新しく作成した map No %1</source>
        <translation>newly created map No %1</translation>
    </message>
    <message>
        <source>前回エディターが保存せずに終了したため、%1 の %2 に保存されていない変更があります。
変更を復元しますか?
（「いいえ」を選ぶと、その変更は破棄されます）</source>
        <translation>The editor ended last time without saving, so %2 of %1 has unsaved changes.
Restore the changes?
(Choosing No discards them.)</translation>
    </message>
    <message>
        <source>壊れているため</source>
        <translation>as it is damaged</translation>
    </message>
    <message>
        <source>別のレベルファイル（%1）のものなので</source>
        <translation>as it belongs to another level file (%1)</translation>
    </message>
    <message>
        <source>%1 に map No %2 がもうないため</source>
        <translation>as %1 has no map No %2 any more</translation>
    </message>
    <message>
        <source>名前を変えられなかったため（%1）、そのまま残しています。</source>
        <translation>It could not be renamed (%1), so it is left where it is.</translation>
    </message>
    <message>
        <source>%1 という名前で残しました。</source>
        <translation>It is kept as %1.</translation>
    </message>
    <message>
        <source>復元用のファイル %1 は%2、使えません。
</source>
        <translation>The recovery file %1 cannot be used, %2.
</translation>
    </message>
    <message>
        <source>復元用のファイル %1 を削除できません: %2
次に起動したとき、その内容を復元するか尋ねます。</source>
        <translation>The recovery file %1 cannot be removed: %2
The next start will ask whether to restore what it holds.</translation>
    </message>
    <message>
        <source>復元用のファイル %1 を書き込めません: %2
編集は続けられますが、エディターが異常終了すると、保存していない変更は失われます。</source>
        <translation>The recovery file %1 cannot be written: %2
You can go on editing, but if the editor ends abnormally, unsaved changes are lost.</translation>
    </message>
    <message>
        <source>map No %1を保存できませんでした。
%2 の map No %3 が、尋ねている間にまたほかのプログラムに変更されました。%2 は元のままです。</source>
        <translation>Map No %1 could not be saved.
Map No %3 of %2 was changed by another program again while you were asked. %2 is as it was.</translation>
    </message>
    <message>
        <source>「%1」はマップの番号ではありません。</source>
        <translation>&quot;%1&quot; is not a map number.</translation>
    </message>
    <message>
        <source>マップ番号は %1 までです。</source>
        <translation>Map numbers go up to %1.</translation>
    </message>
    <message>
        <source>map No %1 はありません。</source>
        <translation>There is no map No %1.</translation>
    </message>
    <message>
        <source>
%1 にはマップがありません。</source>
        <translation>
%1 holds no map.</translation>
    </message>
    <message>
        <source>
1 から %1 までの番号を入力してください。</source>
        <translation>
Enter a number from 1 to %1.</translation>
    </message>
    <message>
        <source>空白</source>
        <translation>blank</translation>
    </message>
    <message>
        <source>マップに置けるのは半角の英字・数字・記号と空白で、「,」「&quot;」「*」は置けません（行が分かれたり、ヘッダーとして読まれたりするため）。</source>
        <translation>A map takes ASCII letters, digits, symbols and blanks, but not &quot;,&quot;, &quot;&quot;&quot; or &quot;*&quot; (they would split a row or be read as a header).</translation>
    </message>
    <message>
        <source>左端の列には空白を置けません（読み込むときに空白が落ち、行がずれるため）。</source>
        <translation>The leftmost column cannot take a blank (reading would drop it and shift the row).</translation>
    </message>
    <message>
        <source>「%1」はマップに置けません。
</source>
        <translation>&quot;%1&quot; cannot be put into the map.
</translation>
    </message>
    <message>
        <source>
パレットから選ぶか、置ける文字を入力してください。</source>
        <translation>
Choose from the palette, or type a character the map takes.</translation>
    </message>
    <message>
        <source>貼り付けられません（%1 行目、%2 文字目）。何も変わっていません。
</source>
        <translation>Cannot paste (line %1, character %2). Nothing has changed.
</translation>
    </message>
    <message>
        <source>%1 はマップ一覧を読み込んだ後でほかのプログラムに変更されたため、何も変えていません。一覧を読み込み直しました。もう一度やり直してください。</source>
        <translation>%1 was changed by another program after the map list was read, so nothing was changed. The list has been read again; try once more.</translation>
    </message>
    <message>
        <source>そのマップは %1 にありません。</source>
        <translation>That map is not in %1.</translation>
    </message>
    <message>
        <source>%1 のただ一つのマップは削除できません。レベルファイルにはマップが少なくとも一つ要ります。</source>
        <translation>The only map of %1 cannot be deleted. A level file needs at least one map.</translation>
    </message>
    <message>
        <source>%1 にはすでにマップが %2 個あり、これ以上挿入できません。</source>
        <translation>%1 already holds %2 maps; no more can be inserted.</translation>
    </message>
    <message>
        <source>%1 の中で、関係するマップの始まりか終わりがはっきりしないため（ヘッダーがほかの項目と同じ行にある、マップが壊れているか途中で切れている、引用符が閉じていない）、何も変えていません。</source>
        <translation>Nothing was changed, as in %1 the start or end of a map involved is unclear (a header shares its line with another item, a map is damaged or cut off, or a quote is not closed).</translation>
    </message>
    <message>
        <source>並べ替えは済みましたが、フォルダーをディスクに書き込めませんでした（%1）。停電などがあると元に戻るおそれがあります。</source>
        <translation>The maps were put in order, but the folder could not be written to the disk (%1). A power cut or the like could undo it.</translation>
    </message>
    <message>
        <source>%1 を書き換えられなかったため、何も変えていません（%2）。</source>
        <translation>%1 could not be rewritten, so nothing was changed (%2).</translation>
    </message>
    <message>
        <source>書き込めないファイルです</source>
        <translation>the file cannot be written</translation>
    </message>
    <message>
        <source>map No %1「%2」をレベルファイルから削除してもよろしいですか?</source>
        <translation>Delete map No %1 &quot;%2&quot; from the level file?</translation>
    </message>
    <message>
        <source>空のマップ「%1」を map No %2 として挿入しました。</source>
        <translation>Inserted the blank map &quot;%1&quot; as map No %2.</translation>
    </message>
    <message>
        <source>マップ上（Tab キーでマップに移動）:
</source>
        <translation>On the map (Tab moves to the map):
</translation>
    </message>
    <message>
        <source>どこでも:
</source>
        <translation>Anywhere:
</translation>
    </message>
    <message>
        <source>マップ一覧の中:
</source>
        <translation>In the map list:
</translation>
    </message>
    <message>
        <source>質問とお知らせで:
</source>
        <translation>In questions and notices:
</translation>
    </message>
    <message>
        <source>ヘッダーの欄では Ctrl+Z などはその欄の文字に、パレットでは Page Up / Page Down はパレットに働きます。</source>
        <translation>In the header field, Ctrl+Z and the like act on its text; in the palette, Page Up / Page Down act on the palette.</translation>
    </message>
    <message>
        <source>並べ替えを元に戻せません。%1 は並べ替えの後に書き換えられています（このエディタの保存を含みます）。その内容を失わないよう、何も変えていません。</source>
        <translation>The change of order cannot be undone. %1 has been rewritten since (saves from this editor included). Nothing was changed, so that none of it is lost.</translation>
    </message>
    <message>
        <source>並べ替えをやり直せません。%1 は並べ替えの後に書き換えられています（このエディタの保存を含みます）。その内容を失わないよう、何も変えていません。</source>
        <translation>The change of order cannot be redone. %1 has been rewritten since (saves from this editor included). Nothing was changed, so that none of it is lost.</translation>
    </message>
    <message>
        <source>%1 が見つからないため、開けません。</source>
        <translation>%1 cannot be opened: it does not exist.</translation>
    </message>
    <message>
        <source>%1 が見つからないため、開けません（新しいレベルファイルは、名前が .cnf で終わるときだけ作ります）。</source>
        <translation>%1 cannot be opened: it does not exist (a new level file is made only for a name ending in .cnf).</translation>
    </message>
    <message>
        <source>%1 のフォルダーを読めないため、開けません。</source>
        <translation>%1 cannot be opened: its folder cannot be read.</translation>
    </message>
    <message>
        <source>%1 を読み込めないため、開けません。
%2</source>
        <translation>%1 cannot be opened: it cannot be read.
%2</translation>
    </message>
    <message>
        <source>%1 が見つかりません。最近使ったファイルの一覧から外しました。</source>
        <translation>%1 was not found. It has been taken off the list of recent files.</translation>
    </message>
</context>
<context>
    <name>ToolWords</name>
    <message>
        <source>ブラシ</source>
        <translation>Brush</translation>
    </message>
    <message>
        <source>セルの配置</source>
        <translation>Place cell</translation>
    </message>
    <message>
        <source>選択範囲を塗る</source>
        <translation>Paint selection</translation>
    </message>
    <message>
        <source>選択範囲の枠</source>
        <translation>Selection frame</translation>
    </message>
    <message>
        <source>選択範囲の複製</source>
        <translation>Copy selection</translation>
    </message>
    <message>
        <source>選択範囲の移動</source>
        <translation>Move selection</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>塗りつぶし</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>枠</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>行の終わりです。カーソルを動かしてから入力してください。</source>
        <translation>End of the row. Move the cursor, then type.</translation>
    </message>
    <message>
        <source>「%1」はこのマスに置けません。</source>
        <translation>&quot;%1&quot; cannot be put in this cell.</translation>
    </message>
    <message>
        <source>入力</source>
        <translation>Typing</translation>
    </message>
    <message>
        <source>回数: %1</source>
        <translation>Count: %1</translation>
    </message>
    <message>
        <source>「%1」はパレットにありません。</source>
        <translation>&quot;%1&quot; is not in the palette.</translation>
    </message>
    <message>
        <source>ライン</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>クリップボードにスタンプできるものがありません。</source>
        <translation>The clipboard holds nothing to stamp.</translation>
    </message>
    <message>
        <source>スタンプ</source>
        <translation>Stamp</translation>
    </message>
    <message>
        <source>ツール: %1</source>
        <translation>Tool: %1</translation>
    </message>
    <message>
        <source>ペン</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>選択</source>
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>kelmor::CommandActions</name>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>最初のマップ(&amp;F)</source>
        <translation>&amp;First map</translation>
    </message>
    <message>
        <source>前のマップ(&amp;P)</source>
        <translation>&amp;Previous map</translation>
    </message>
    <message>
        <source>次のマップ(&amp;N)</source>
        <translation>&amp;Next map</translation>
    </message>
    <message>
        <source>最後のマップ(&amp;L)</source>
        <translation>&amp;Last map</translation>
    </message>
    <message>
        <source>マップへ移動(&amp;G)...</source>
        <translation>&amp;Go to map...</translation>
    </message>
    <message>
        <source>マップ一覧(&amp;O)...</source>
        <translation>Map &amp;overview...</translation>
    </message>
    <message>
        <source>マップ作成(&amp;C)</source>
        <translation>&amp;Create map</translation>
    </message>
    <message>
        <source>マップ複製(&amp;D)</source>
        <translation>&amp;Duplicate map</translation>
    </message>
    <message>
        <source>マップ消去(&amp;E)</source>
        <translation>&amp;Erase map</translation>
    </message>
    <message>
        <source>閉じる(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>キー一覧(&amp;K)</source>
        <translation>&amp;Keys</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>kelmor::Form1</name>
    <message>
        <source>kelmor-x map editor
バージョン %1</source>
        <translation>kelmor-x map editor
Version %1</translation>
    </message>
    <message>
        <source>このマップを消去してもよろしいですか?</source>
        <translation>Erase this map?</translation>
    </message>
    <message>
        <source>kelmor.bmp が変更されたため、読み込み直しました。</source>
        <translation>kelmor.bmp was changed, so it was read again.</translation>
    </message>
</context>
<context>
    <name>kelmor::LetGoMenu</name>
    <message>
        <source>手放した変更(&amp;L)</source>
        <translation>&amp;Let-go edits</translation>
    </message>
    <message>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>map No %1「%2」 %3</source>
        <translation>map No %1 &quot;%2&quot; %3</translation>
    </message>
</context>
<context>
    <name>kelmor::LevelFileDialog</name>
    <message>
        <source>レベルファイルを開く</source>
        <translation>Open a level file</translation>
    </message>
    <message>
        <source>レベルファイル (*.cnf);;すべてのファイル (*)</source>
        <translation>Level files (*.cnf);;All files (*)</translation>
    </message>
</context>
<context>
    <name>kelmor::MapKeyActions</name>
    <message>
        <source>入力モード(&amp;I)</source>
        <translation>&amp;Typing mode</translation>
    </message>
    <message>
        <source>パレットのコードを選ぶ(&amp;K)</source>
        <translation>Choose palette code by &amp;key</translation>
    </message>
    <message>
        <source>パレットで選ぶコードを入力してください。</source>
        <translation>Type the code to choose in the palette.</translation>
    </message>
    <message>
        <source>選択範囲の枠を塗る(&amp;O)</source>
        <translation>Paint the selection&apos;s &amp;outline</translation>
    </message>
    <message>
        <source>選択範囲を左へ移動</source>
        <translation>Move selection left</translation>
    </message>
    <message>
        <source>選択範囲を左へ複製</source>
        <translation>Copy selection left</translation>
    </message>
    <message>
        <source>選択範囲を右へ移動</source>
        <translation>Move selection right</translation>
    </message>
    <message>
        <source>選択範囲を右へ複製</source>
        <translation>Copy selection right</translation>
    </message>
    <message>
        <source>選択範囲を上へ移動</source>
        <translation>Move selection up</translation>
    </message>
    <message>
        <source>選択範囲を上へ複製</source>
        <translation>Copy selection up</translation>
    </message>
    <message>
        <source>選択範囲を下へ移動</source>
        <translation>Move selection down</translation>
    </message>
    <message>
        <source>選択範囲を下へ複製</source>
        <translation>Copy selection down</translation>
    </message>
    <message>
        <source>選択範囲がありません。</source>
        <translation>There is no selection.</translation>
    </message>
    <message>
        <source>マップの端を越えるため、選択範囲を動かせません。</source>
        <translation>The selection cannot move past the edge of the map.</translation>
    </message>
</context>
<context>
    <name>kelmor::MapOverview</name>
    <message>
        <source>（壊れています）</source>
        <translation> (damaged)</translation>
    </message>
    <message>
        <source>（途中で切れています）</source>
        <translation> (cut off)</translation>
    </message>
</context>
<context>
    <name>kelmor::MapView</name>
    <message>
        <source>入力モード</source>
        <translation>Typing mode</translation>
    </message>
    <message>
        <source>入力モード終了</source>
        <translation>Typing mode off</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>kelmor::OpenActions</name>
    <message>
        <source>最近使ったファイル(&amp;R)</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>一覧を消去(&amp;C)</source>
        <translation>&amp;Clear the list</translation>
    </message>
</context>
<context>
    <name>kelmor::OutsideChanges</name>
    <message>
        <source>再読み込み</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>画面の変更を捨てて、ファイルから読み込み直す (Alt+R)</source>
        <translation>Drop the changes on screen and read the map from the file again (Alt+R)</translation>
    </message>
    <message>
        <source>このまま</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>画面の変更で編集を続ける。保存するときは上書きを確認します (Alt+K)</source>
        <translation>Go on editing with the changes on screen; saving will ask before it overwrites (Alt+K)</translation>
    </message>
    <message>
        <source>%1 が見つからないか、読めなくなりました。画面のマップはそのまま残っています。</source>
        <translation>%1 is gone or can no longer be read. The map on screen stays as it is.</translation>
    </message>
    <message>
        <source>%1 がほかのプログラムで変更されました。このマップには保存していない変更があります。</source>
        <translation>%1 was changed by another program. This map has unsaved changes.</translation>
    </message>
    <message>
        <source>%1 がほかのプログラムで変更されたため、map No %2 を読み込み直しました。</source>
        <translation>%1 was changed by another program, so map No %2 was read again.</translation>
    </message>
</context>
<context>
    <name>kelmor::OverviewWindow</name>
    <message>
        <source>マップ一覧</source>
        <translation>Map overview</translation>
    </message>
    <message>
        <source>ヘッダーで検索</source>
        <translation>Search by header</translation>
    </message>
    <message>
        <source>上へ移動(&amp;U)</source>
        <translation>Move &amp;up</translation>
    </message>
    <message>
        <source>下へ移動(&amp;D)</source>
        <translation>Move &amp;down</translation>
    </message>
    <message>
        <source>後ろに空のマップを挿入(&amp;I)</source>
        <translation>&amp;Insert blank map after</translation>
    </message>
    <message>
        <source>前に空のマップを挿入(&amp;B)</source>
        <translation>Insert blank map &amp;before</translation>
    </message>
    <message>
        <source>マップを削除(&amp;R)...</source>
        <translation>&amp;Remove map...</translation>
    </message>
    <message>
        <source>並べ替えを元に戻す(&amp;Z)</source>
        <translation>Undo order change (&amp;Z)</translation>
    </message>
    <message>
        <source>並べ替えをやり直す(&amp;Y)</source>
        <translation>Redo order change (&amp;Y)</translation>
    </message>
    <message>
        <source>並べ替え(&amp;O)</source>
        <translation>&amp;Order</translation>
    </message>
</context>
<context>
    <name>kelmor::PaletteControl</name>
    <message>
        <source>パレット</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>パレット(&amp;P)</source>
        <translation>&amp;Palette</translation>
    </message>
</context>
<context>
    <name>kelmor::PalettePanel</name>
    <message>
        <source>パレットの絵</source>
        <translation>Palette pictures</translation>
    </message>
</context>
<context>
    <name>kelmor::SelectionActions</name>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>選択解除</source>
        <translation>Clear selection</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>kelmor::StatusLine</name>
    <message>
        <source>未保存の変更あり</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>変更なし</source>
        <translation>No changes</translation>
    </message>
    <message>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>コード「%1」はカタログの何も表しません</source>
        <translation>code &quot;%1&quot; names nothing in the catalogue</translation>
    </message>
    <message>
        <source>列 %1、行 %2: %3</source>
        <translation>Column %1, row %2: %3</translation>
    </message>
    <message>
        <source>保存しない変更あり（移動すると手放します）</source>
        <translation>Unsaved, not to be saved (leaving lets them go)</translation>
    </message>
</context>
<context>
    <name>kelmor::ToolActions</name>
    <message>
        <source>ツール</source>
        <translation>Tools</translation>
    </message>
</context>
</TS>
