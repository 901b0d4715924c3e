<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="総合で %1位に">
        <source></source>
        <translation>Overall table: rank %1</translation>
    </message>
    <message id="一勝負で %1位に">
        <source></source>
        <translation>Single-month table: rank %1</translation>
    </message>
    <message id="一勝負で %1位と %2位に">
        <source></source>
        <translation>Single-month table: ranks %1 and %2</translation>
    </message>
    <message id="一勝負で %1位と %2位と %3位に">
        <source></source>
        <translation>Single-month table: ranks %1, %2 and %3</translation>
    </message>
    <message id="成績の記録 history.db を開けません。">
        <source></source>
        <translation>The match history history.db cannot be opened. </translation>
    </message>
    <message id="成績の記録 history.db は、この版より新しい Petalgame 32 で作られています。成績は見られますが、この版では対戦を記録しません。">
        <source></source>
        <translation>The match history history.db was made by a newer Petalgame 32. You can view it, but this version records no matches.</translation>
    </message>
    <message id="成績の記録 history.db かそのフォルダーに書き込めません。成績は見られますが、対戦は記録されません。">
        <source></source>
        <translation>The match history history.db or its folder cannot be written. You can view it, but matches are not recorded.</translation>
    </message>
    <message id="ディスクに空きがありません。">
        <source></source>
        <translation>The disk is full.</translation>
    </message>
    <message id="history.db かそのフォルダーに書き込めません。">
        <source></source>
        <translation>history.db or its folder cannot be written.</translation>
    </message>
    <message id="ほかの Petalgame 32 が記録を書き込んでいます。">
        <source></source>
        <translation>Another Petalgame 32 is writing the history.</translation>
    </message>
    <message id="history.db が壊れています。">
        <source></source>
        <translation>history.db is damaged.</translation>
    </message>
    <message id="history.db に書き込めません（ディスクがいっぱいかもしれません）。">
        <source></source>
        <translation>history.db cannot be written (the disk may be full).</translation>
    </message>
    <message id="history.db を使えません（%1）。">
        <source></source>
        <translation>history.db cannot be used (%1).</translation>
    </message>
    <message id="history.db はこのゲームの成績の記録ではありません。%1 という名前に変えて残し、新しい記録を始めます。">
        <source></source>
        <translation>history.db is not this game's match history. It is kept as %1, and a new history is started.</translation>
    </message>
    <message id="成績の記録 history.db のそばに、ほかのデータベースの記録（history.db-wal）がありました。">
        <source></source>
        <translation>Beside the match history history.db lay another database's log (history.db-wal). </translation>
    </message>
    <message id="成績の記録 history.db が壊れています。">
        <source></source>
        <translation>The match history history.db is damaged. </translation>
    </message>
    <message id="ファイルをそのまま %1 という名前に変えて残し、新しい記録を始めます。">
        <source></source>
        <translation>The file is kept as it is under the name %1, and a new history is started. </translation>
    </message>
    <message id="読めた %1局は新しい記録に移しました。">
        <source></source>
        <translation>The %1 matches that could be read were moved into the new history. </translation>
    </message>
    <message id="読めなかった対戦が %1局以上あります。">
        <source></source>
        <translation>%1 or more matches could not be read.</translation>
    </message>
    <message id="読めなかった対戦が %1局あります。">
        <source></source>
        <translation>%1 matches could not be read.</translation>
    </message>
    <message id="成績の記録 history.db が読めず、名前を変えて残すこともできません。対戦は記録されません。">
        <source></source>
        <translation>The match history history.db cannot be read, nor kept under another name. Matches are not recorded.</translation>
    </message>
    <message id="この対戦を記録できませんでした。">
        <source></source>
        <translation>This match could not be recorded.</translation>
    </message>
    <message id="%1 を調べられないので書き出せません。">
        <source></source>
        <translation>%1 cannot be examined, so nothing was exported.</translation>
    </message>
    <message id="%1 は行き先のないリンクなので書き出せません。">
        <source></source>
        <translation>%1 is a link that leads nowhere, so nothing was exported.</translation>
    </message>
    <message id="%1 は普通のファイルではないので書き出せません。">
        <source></source>
        <translation>%1 is not an ordinary file, so nothing was exported.</translation>
    </message>
    <message id="書き出しはやめました。">
        <source></source>
        <translation>The export was stopped.</translation>
    </message>
    <message id="%1 のフォルダーに書き込めないので書き出せません。">
        <source></source>
        <translation>The folder of %1 cannot be written, so nothing was exported.</translation>
    </message>
    <message id="history.db を読みとおせませんでした。">
        <source></source>
        <translation>history.db could not be read to the end.</translation>
    </message>
    <message id="%1 に書き出せませんでした（ディスクがいっぱいかもしれません）。">
        <source></source>
        <translation>%1 could not be written (the disk may be full).</translation>
    </message>
    <message id="history.db はたどると輪になってしまうリンクです。">
        <source></source>
        <translation>history.db is a link that leads round in a circle.</translation>
    </message>
    <message id="history.db は行き先のないリンクです。">
        <source></source>
        <translation>history.db is a link that leads nowhere.</translation>
    </message>
    <message id="history.db という名前のフォルダーがあります。">
        <source></source>
        <translation>There is a folder named history.db.</translation>
    </message>
    <message id="history.db は普通のファイルではありません（装置ファイルなど）。">
        <source></source>
        <translation>history.db is not an ordinary file (a device, perhaps).</translation>
    </message>
    <message id="五光">
        <source></source>
        <translation>Gokō (Five brights)</translation>
    </message>
    <message id="四光">
        <source></source>
        <translation>Shikō (Four brights)</translation>
    </message>
    <message id="三光">
        <source></source>
        <translation>Sankō (Three brights)</translation>
    </message>
    <message id="猪鹿蝶">
        <source></source>
        <translation>Inoshikachō (Boar, deer, butterflies)</translation>
    </message>
    <message id="花見で一杯">
        <source></source>
        <translation>Hanami-zake (Flower viewing)</translation>
    </message>
    <message id="月見で一杯">
        <source></source>
        <translation>Tsukimi-zake (Moon viewing)</translation>
    </message>
    <message id="赤短">
        <source></source>
        <translation>Akatan (Red poem ribbons)</translation>
    </message>
    <message id="青短">
        <source></source>
        <translation>Aotan (Blue ribbons)</translation>
    </message>
    <message id="赤短・青短">
        <source></source>
        <translation>Akatan-Aotan (Red and blue ribbons)</translation>
    </message>
    <message id="タネ">
        <source></source>
        <translation>Tane (Animals)</translation>
    </message>
    <message id="タン">
        <source></source>
        <translation>Tan (Ribbons)</translation>
    </message>
    <message id="カス">
        <source></source>
        <translation>Kasu (Chaff)</translation>
    </message>
    <message id="手四">
        <source></source>
        <translation>Teshi (Four of a month in hand)</translation>
    </message>
    <message id="くっつき">
        <source></source>
        <translation>Kuttsuki (Four pairs in hand)</translation>
    </message>
    <message id="親権">
        <source></source>
        <translation>Oya-ken (Dealer's right)</translation>
    </message>
    <message id="書き込みが許可されていません。">
        <source></source>
        <translation>Writing is not permitted.</translation>
    </message>
    <message id="読み取り専用の場所には書き込めません。">
        <source></source>
        <translation>A read-only place cannot be written.</translation>
    </message>
    <message id="ディスクの空き容量が足りません。">
        <source></source>
        <translation>There is not enough free disk space.</translation>
    </message>
    <message id="ファイルが大きすぎて書き込めません。">
        <source></source>
        <translation>The file is too large to write.</translation>
    </message>
    <message id="保存先のフォルダが見つかりません。">
        <source></source>
        <translation>The folder to save in cannot be found.</translation>
    </message>
    <message id="ファイルの場所にフォルダがあります。">
        <source></source>
        <translation>There is a folder where the file should be.</translation>
    </message>
    <message id="ファイルの場所に普通のファイルではないものがあります。">
        <source></source>
        <translation>Something other than an ordinary file is where the file should be.</translation>
    </message>
    <message id="ディスクの読み書きに失敗しました。">
        <source></source>
        <translation>Reading or writing the disk failed.</translation>
    </message>
    <message id="開いているファイルが多すぎます。">
        <source></source>
        <translation>Too many files are open.</translation>
    </message>
    <message id="ファイルの場所の名前が長すぎます。">
        <source></source>
        <translation>The file's path is too long.</translation>
    </message>
    <message id="ファイルをロックできません。">
        <source></source>
        <translation>The file cannot be locked.</translation>
    </message>
    <message id="ファイルを保存できませんでした。">
        <source></source>
        <translation>The file could not be saved.</translation>
    </message>
    <message id="松に鶴">
        <source></source>
        <translation>Pine and crane</translation>
    </message>
    <message id="松に赤短">
        <source></source>
        <translation>Pine red poem ribbon</translation>
    </message>
    <message id="松">
        <source></source>
        <translation>Pine</translation>
    </message>
    <message id="梅に鶯">
        <source></source>
        <translation>Plum and bush warbler</translation>
    </message>
    <message id="梅に赤短">
        <source></source>
        <translation>Plum red poem ribbon</translation>
    </message>
    <message id="梅">
        <source></source>
        <translation>Plum</translation>
    </message>
    <message id="桜に幕">
        <source></source>
        <translation>Cherry and curtain</translation>
    </message>
    <message id="桜に赤短">
        <source></source>
        <translation>Cherry red poem ribbon</translation>
    </message>
    <message id="桜">
        <source></source>
        <translation>Cherry</translation>
    </message>
    <message id="藤に不如帰">
        <source></source>
        <translation>Wisteria and cuckoo</translation>
    </message>
    <message id="藤に短冊">
        <source></source>
        <translation>Wisteria ribbon</translation>
    </message>
    <message id="藤">
        <source></source>
        <translation>Wisteria</translation>
    </message>
    <message id="菖蒲に八橋">
        <source></source>
        <translation>Iris and bridge</translation>
    </message>
    <message id="菖蒲に短冊">
        <source></source>
        <translation>Iris ribbon</translation>
    </message>
    <message id="菖蒲">
        <source></source>
        <translation>Iris</translation>
    </message>
    <message id="牡丹に蝶">
        <source></source>
        <translation>Peony and butterflies</translation>
    </message>
    <message id="牡丹に青短">
        <source></source>
        <translation>Peony blue ribbon</translation>
    </message>
    <message id="牡丹">
        <source></source>
        <translation>Peony</translation>
    </message>
    <message id="萩に猪">
        <source></source>
        <translation>Bush clover and boar</translation>
    </message>
    <message id="萩に短冊">
        <source></source>
        <translation>Bush clover ribbon</translation>
    </message>
    <message id="萩">
        <source></source>
        <translation>Bush clover</translation>
    </message>
    <message id="芒に月">
        <source></source>
        <translation>Pampas and moon</translation>
    </message>
    <message id="芒に雁">
        <source></source>
        <translation>Pampas and geese</translation>
    </message>
    <message id="芒">
        <source></source>
        <translation>Pampas</translation>
    </message>
    <message id="菊に杯">
        <source></source>
        <translation>Chrysanthemum and sake cup</translation>
    </message>
    <message id="菊に青短">
        <source></source>
        <translation>Chrysanthemum blue ribbon</translation>
    </message>
    <message id="菊">
        <source></source>
        <translation>Chrysanthemum</translation>
    </message>
    <message id="紅葉に鹿">
        <source></source>
        <translation>Maple and deer</translation>
    </message>
    <message id="紅葉に青短">
        <source></source>
        <translation>Maple blue ribbon</translation>
    </message>
    <message id="紅葉">
        <source></source>
        <translation>Maple</translation>
    </message>
    <message id="柳に雨">
        <source></source>
        <translation>Willow and rain man</translation>
    </message>
    <message id="柳に燕">
        <source></source>
        <translation>Willow and swallow</translation>
    </message>
    <message id="柳に短冊">
        <source></source>
        <translation>Willow ribbon</translation>
    </message>
    <message id="柳に雷">
        <source></source>
        <translation>Willow lightning</translation>
    </message>
    <message id="桐に鳳凰">
        <source></source>
        <translation>Paulownia and phoenix</translation>
    </message>
    <message id="桐に色札">
        <source></source>
        <translation>Paulownia coloured chaff</translation>
    </message>
    <message id="桐">
        <source></source>
        <translation>Paulownia</translation>
    </message>
    <message id="柳">
        <source></source>
        <translation>Willow</translation>
    </message>
    <message id="光">
        <source></source>
        <translation>Bright</translation>
    </message>
    <message id="種">
        <source></source>
        <translation>Animal</translation>
    </message>
    <message id="短">
        <source></source>
        <translation>Ribbon</translation>
    </message>
    <message id="札">
        <source></source>
        <translation>Card</translation>
    </message>
    <message id="%1月 %2（%3）">
        <source></source>
        <translation>Month %1: %2 (%3)</translation>
    </message>
    <message id="配りコードに使わない文字「%1」が入っています。">
        <source></source>
        <translation>The deal code holds "%1", a character deal codes never use.</translation>
    </message>
    <message id="配りコードには 0・O・1・I・L を使いません。">
        <source></source>
        <translation>Deal codes never use 0, O, 1, I or L.</translation>
    </message>
    <message id="配りコードを入力してください。">
        <source></source>
        <translation>Please type a deal code.</translation>
    </message>
    <message id="配りコードは8文字です（入力は%1文字）。">
        <source></source>
        <translation>A deal code has 8 characters (you typed %1).</translation>
    </message>
    <message id="配りコード「%1」には打ち間違いがあります。&#10;もう一度お確かめください。">
        <source></source>
        <translation>The deal code "%1" has a typing mistake.
Please check it again.</translation>
    </message>
    <message id="入門">
        <source></source>
        <translation>Beginner</translation>
    </message>
    <message id="普通">
        <source></source>
        <translation>Normal</translation>
    </message>
    <message id="強い">
        <source></source>
        <translation>Strong</translation>
    </message>
    <message id="最強">
        <source></source>
        <translation>Strongest</translation>
    </message>
    <message id="この画像は表示できません。">
        <source></source>
        <translation>This picture cannot be shown.</translation>
    </message>
    <message id="エラー">
        <source></source>
        <translation>Error</translation>
    </message>
    <message id="ﾌｧｲﾙが見つかりません。">
        <source></source>
        <translation>File not found.</translation>
    </message>
    <message id="カス札">
        <source></source>
        <translation>Chaff</translation>
    </message>
    <message id="短冊札">
        <source></source>
        <translation>Ribbons</translation>
    </message>
    <message id="10点札">
        <source></source>
        <translation>10 pts</translation>
    </message>
    <message id="20点札">
        <source></source>
        <translation>20 pts</translation>
    </message>
    <message id="こいこい">
        <source></source>
        <translation>Koi-koi</translation>
    </message>
    <message id="勝負">
        <source></source>
        <translation>Stop</translation>
    </message>
    <message id="勝負の結果、">
        <source></source>
        <translation>Match result:</translation>
    </message>
    <message id="%1文 対%2文、その差%3文で">
        <source></source>
        <translation>%1 mon to%2 mon, a margin of%3 mon:</translation>
    </message>
    <message id="あなたの勝ちです。">
        <source></source>
        <translation>You win.</translation>
    </message>
    <message id="ｃｏｍの勝ちです。">
        <source></source>
        <translation>The computer wins.</translation>
    </message>
    <message id="引き分けです。">
        <source></source>
        <translation>It is a draw.</translation>
    </message>
    <message id="ＯＫ">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="あなた">
        <source></source>
        <translation>You</translation>
    </message>
    <message id="ｃｏｍ">
        <source></source>
        <translation>COM</translation>
    </message>
    <message id="ｃｏｍはこいこいしました。">
        <source></source>
        <translation>COM called koi-koi.</translation>
    </message>
    <message id="ｃｏｍは勝負しました。">
        <source></source>
        <translation>COM stopped.</translation>
    </message>
    <message id="%1文">
        <source></source>
        <translation>%1 mon</translation>
    </message>
    <message id="猪鹿蝶　">
        <source></source>
        <translation>Ino </translation>
    </message>
    <message id="花見　">
        <source></source>
        <translation>Hana </translation>
    </message>
    <message id="月見　">
        <source></source>
        <translation>Tsuki </translation>
    </message>
    <message id="赤短　">
        <source></source>
        <translation>Aka </translation>
    </message>
    <message id="青短　">
        <source></source>
        <translation>Ao </translation>
    </message>
    <message id="ﾀﾈ　">
        <source></source>
        <translation>Tane </translation>
    </message>
    <message id="ﾀﾝ　">
        <source></source>
        <translation>Tan </translation>
    </message>
    <message id="ｶｽ　">
        <source></source>
        <translation>Kasu </translation>
    </message>
    <message id="三光　">
        <source></source>
        <translation>3Br </translation>
    </message>
    <message id="四光　">
        <source></source>
        <translation>4Br </translation>
    </message>
    <message id="五光　">
        <source></source>
        <translation>5Br </translation>
    </message>
    <message id="残%1">
        <source></source>
        <translation>-%1</translation>
    </message>
    <message id="完+%1">
        <source></source>
        <translation>+%1</translation>
    </message>
    <message id="完成">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="%1月の%2手目から先は、記録された手をこの版で再現できないため振り返っていません。">
        <source></source>
        <translation>From move %2 of month %1 on, the recorded moves cannot be replayed by this version, so they are not reviewed.</translation>
    </message>
    <message id="？">
        <source></source>
        <translation>?</translation>
    </message>
    <message id="短冊">
        <source></source>
        <translation>Ribbon</translation>
    </message>
    <message id="%1に%2">
        <source></source>
        <translation>%1 %2</translation>
    </message>
    <message id="%1で%2を取る">
        <source></source>
        <translation>%1 takes %2</translation>
    </message>
    <message id="山札の%1で%2を取る">
        <source></source>
        <translation>%1 from the stock takes %2</translation>
    </message>
    <message id="%1 %2文">
        <source></source>
        <translation>%1 %2 mon</translation>
    </message>
    <message id="この打ち進め方では実際を上回りませんでした。勝率の差は、多くの配りを試した平均です。">
        <source></source>
        <translation>Played on this way, it did no better than the real month. The difference in chances is an average over many deals.</translation>
    </message>
    <message id="よりよい手なら、こいこいの後に%1に上がられずにすみました。">
        <source></source>
        <translation>With the better move, %1 would not have won after your koi-koi.</translation>
    </message>
    <message id="よりよい手なら、こいこいの危険を負わずに上がれました。">
        <source></source>
        <translation>With the better move, you would have won without the risk of koi-koi.</translation>
    </message>
    <message id="よりよい手なら、%1ができました。">
        <source></source>
        <translation>With the better move, you would have made %1.</translation>
    </message>
    <message id="よりよい手なら、%1の%2を防げました。">
        <source></source>
        <translation>With the better move, you would have stopped %1's %2.</translation>
    </message>
    <message id="よりよい手なら、%1を%2に渡さずにすみました。">
        <source></source>
        <translation>With the better move, %2 would not have taken %1.</translation>
    </message>
    <message id="よりよい手なら、%1を取れました。">
        <source></source>
        <translation>With the better move, you would have taken %1.</translation>
    </message>
    <message id="よりよい手なら、この月の点で実際を上回りました。">
        <source></source>
        <translation>With the better move, this month would have scored more than it did.</translation>
    </message>
    <message id="実際：%1／こう打てば：%2">
        <source></source>
        <translation>Played: %1 / This way: %2</translation>
    </message>
    <message id="※ 見えていない札の動きを一通りに決めて打ち進めた見積もりです。">
        <source></source>
        <translation>* An estimate: the cards you could not see were played out one way.</translation>
    </message>
    <message id="配りコード　%1">
        <source></source>
        <translation>Deal code  %1</translation>
    </message>
    <message id="あなたが親です。">
        <source></source>
        <translation>You are the dealer.</translation>
    </message>
    <message id="ｃｏｍが親です。">
        <source></source>
        <translation>COM is the dealer.</translation>
    </message>
    <message id="強さは「%1」です。">
        <source></source>
        <translation>Level: %1.</translation>
    </message>
    <message id="強さは「%1」です（ヒントなし）。">
        <source></source>
        <translation>Level: %1 (no hints).</translation>
    </message>
    <message id="配りコードの対戦です。">
        <source></source>
        <translation>A match from a deal code.</translation>
    </message>
    <message id="今日の配り（%1月%2日）">
        <source></source>
        <translation>Today's deal (%2/%1)</translation>
    </message>
    <message id="勝負：勝率 %1%2　こいこい：勝率 %3%4">
        <source></source>
        <translation>Stop: %1%2   Koi-koi: %3%4</translation>
    </message>
    <message id="親を決めます。">
        <source></source>
        <translation>Drawing for the dealer.</translation>
    </message>
    <message id="下の12枚の中から１枚を選択して下さい。">
        <source></source>
        <translation>Pick one of the 12 cards below.</translation>
    </message>
    <message id="あなた：%1月　、　ｃｏｍ：%2月">
        <source></source>
        <translation>You: month%1   COM: month%2</translation>
    </message>
    <message id="設定">
        <source></source>
        <translation>The settings</translation>
    </message>
    <message id="Petalgame 32 を終了しますか。">
        <source></source>
        <translation>Quit Petalgame 32?</translation>
    </message>
    <message id="ハイスコア">
        <source></source>
        <translation>The high scores</translation>
    </message>
    <message id="名前が入力されていません。">
        <source></source>
        <translation>No name was entered.</translation>
    </message>
    <message id="入力エラー">
        <source></source>
        <translation>Input error</translation>
    </message>
    <message id="ヒントの設定">
        <source></source>
        <translation>The hints setting</translation>
    </message>
    <message id="言語の設定">
        <source></source>
        <translation>The language setting</translation>
    </message>
    <message id="はじめてのこいこい">
        <source></source>
        <translation>First koi-koi lesson</translation>
    </message>
    <message id="これでレッスンはおわりです。">
        <source></source>
        <translation>That is the end of the lesson.</translation>
    </message>
    <message id="レッスンはここまでです。「レッスンをやめる」で、ふだんの対戦に戻ります。">
        <source></source>
        <translation>The lesson ends here. "Leave the lesson" takes you back to an ordinary match.</translation>
    </message>
    <message id="札ではなく、場の札のないところをクリックします。">
        <source></source>
        <translation>Click an empty part of the table, not a card.</translation>
    </message>
    <message id="場の札は、手札を出して取ります。まず下の段の光っている札をクリックします。">
        <source></source>
        <translation>Table cards are taken by playing a hand card. First click the glowing card in the bottom row.</translation>
    </message>
    <message id="枠で囲まれた2枚のうち、光っている札をクリックします。">
        <source></source>
        <translation>Of the two framed cards, click the glowing one.</translation>
    </message>
    <message id="光っている札をクリックします。">
        <source></source>
        <translation>Click the glowing card.</translation>
    </message>
    <message id="この札は場の札と月が合いません。">
        <source></source>
        <translation>This card matches no month on the table.</translation>
    </message>
    <message id="%1　%2/%3　%4">
        <source></source>
        <translation>%1  %2/%3  %4</translation>
    </message>
    <message id="レッスンの続き">
        <source></source>
        <translation>The lesson's progress</translation>
    </message>
    <message id="Petalgame 32 へようこそ。&#10;遊び方を札を打ちながら覚える、「はじめてのこいこい」（約5分）を始めますか。&#10;&#10;あとからでも、ヘルプからいつでも始められます。">
        <source></source>
        <translation>Welcome to Petalgame 32.
Start "First koi-koi lesson" (about 5 minutes), which teaches the game as you play cards?

You can start it from Help at any time later.</translation>
    </message>
    <message id="月を合わせる">
        <source></source>
        <translation>Matching months</translation>
    </message>
    <message id="札は12か月、各月4枚。手札と同じ月の札が場にあれば、それを取れます。">
        <source></source>
        <translation>There are 12 months of 4 cards each. If a table card has the same month as a hand card, you can take it.</translation>
    </message>
    <message id="光っている梅の札をクリックして、場の梅の札を取りましょう。">
        <source></source>
        <translation>Click the glowing plum card to take the plum on the table.</translation>
    </message>
    <message id="この札も月は合いますが、いまは光っている梅の札を出しましょう。">
        <source></source>
        <translation>This card matches too, but play the glowing plum card now.</translation>
    </message>
    <message id="2枚から1枚を選ぶ">
        <source></source>
        <translation>Choosing one of two</translation>
    </message>
    <message id="同じ月の札が場に2枚あるときは、どちらを取るか自分で選べます。">
        <source></source>
        <translation>When two cards of the month lie on the table, you choose which one to take.</translation>
    </message>
    <message id="光っている藤の札を出しましょう。場には藤が2枚あります。">
        <source></source>
        <translation>Play the glowing wisteria card. Two wisteria cards lie on the table.</translation>
    </message>
    <message id="枠の2枚から、点になるタネ札「藤に不如帰」を取りましょう。">
        <source></source>
        <translation>Of the two framed cards, take the animal "Wisteria and cuckoo", which scores.</translation>
    </message>
    <message id="そちらはカス札です。ここでは点になるタネ札を取りましょう。">
        <source></source>
        <translation>That one is chaff. Take the animal card, which scores.</translation>
    </message>
    <message id="山札をめくる">
        <source></source>
        <translation>Turning the stock</translation>
    </message>
    <message id="手札を出すと、山札の一番上がめくられ、同じ月の札が場にあればそれも取れます。">
        <source></source>
        <translation>After your hand card, the top of the stock is turned; if its month is on the table, you take that too.</translation>
    </message>
    <message id="光っている菖蒲の札を出しましょう。続けて山札がめくられます。">
        <source></source>
        <translation>Play the glowing iris card. The stock is turned next.</translation>
    </message>
    <message id="この札も月は合いますが、いまは光っている菖蒲の札を出しましょう。">
        <source></source>
        <translation>This card matches too, but play the glowing iris card now.</translation>
    </message>
    <message id="はじめての役">
        <source></source>
        <translation>Your first yaku</translation>
    </message>
    <message id="鳥や獣の札（タネ札）を5枚集めると、役「タネ」（1文）ができます。">
        <source></source>
        <translation>Five cards with birds or beasts (animals) make the yaku Tane (1 mon).</translation>
    </message>
    <message id="光っている「紅葉に鹿」を出しましょう。タネ札が5枚そろいます。">
        <source></source>
        <translation>Play the glowing "Maple and deer". That makes five animals.</translation>
    </message>
    <message id="役ができました。「勝負」で終えるか「こいこい」で続けるかを選びます。">
        <source></source>
        <translation>You made a yaku. Choose "Stop" to end the month or "Koi-koi" to play on.</translation>
    </message>
    <message id="こいこいの後で相手が先に役を作ると、あなたの点は0文になります。">
        <source></source>
        <translation>After koi-koi, if the opponent makes a yaku first, you score 0 mon.</translation>
    </message>
    <message id="この札も月は合いますが、いまは光っている「紅葉に鹿」を出しましょう。">
        <source></source>
        <translation>This card matches too, but play the glowing "Maple and deer" now.</translation>
    </message>
    <message id="こいこいしました。相手が先に役を作れば、あなたの点は0文になるところでした。">
        <source></source>
        <translation>You called koi-koi. Had the opponent made a yaku first, you would have scored 0 mon. </translation>
    </message>
    <message id="勝負して、タネの1文を取りました。">
        <source></source>
        <translation>You stopped and took 1 mon for Tane. </translation>
    </message>
    <message id="光札を集める">
        <source></source>
        <translation>Collecting brights</translation>
    </message>
    <message id="光札は松・桜・芒・柳・桐の5枚。柳を除く3枚で「三光」（5文）です。">
        <source></source>
        <translation>The five brights are pine, cherry, pampas, willow and paulownia. Three of them without the willow make Sankō (5 mon).</translation>
    </message>
    <message id="光っている「松に鶴」（光札）で、場の松を取りましょう。">
        <source></source>
        <translation>Take the pine on the table with the glowing "Pine and crane" (a bright).</translation>
    </message>
    <message id="この札も月は合いますが、いまは光っている「松に鶴」を出しましょう。">
        <source></source>
        <translation>This card matches too, but play the glowing "Pine and crane" now.</translation>
    </message>
    <message id="三光と7文">
        <source></source>
        <translation>Sankō and 7 mon</translation>
    </message>
    <message id="役の合計が7文以上になると、点が2倍になります。">
        <source></source>
        <translation>When your yaku add up to 7 mon or more, the score is doubled.</translation>
    </message>
    <message id="光っている「桜に幕」を出しましょう。山札から「桐に鳳凰」が出ます。">
        <source></source>
        <translation>Play the glowing "Cherry and curtain". "Paulownia and phoenix" comes from the stock.</translation>
    </message>
    <message id="三光5文と花見で一杯5文で10文。7文以上なので2倍の20文です。">
        <source></source>
        <translation>Sankō 5 mon and Hanami-zake 5 mon make 10 mon. That is 7 or more, so it doubles to 20 mon.</translation>
    </message>
    <message id="今回は「勝負」を押して、この月を終えましょう。">
        <source></source>
        <translation>This time, press "Stop" to end the month.</translation>
    </message>
    <message id="この札も月は合いますが、いまは光っている「桜に幕」を出しましょう。">
        <source></source>
        <translation>This card matches too, but play the glowing "Cherry and curtain" now.</translation>
    </message>
    <message id="こいこいしました。今回は、勝負したところから先へ進みます。">
        <source></source>
        <translation>You called koi-koi. This time the lesson goes on as if you had stopped. </translation>
    </message>
    <message id="勝負して、20文を取りました。">
        <source></source>
        <translation>You stopped and took 20 mon. </translation>
    </message>
    <message id="月の終わりと親">
        <source></source>
        <translation>The end of a month, and the dealer</translation>
    </message>
    <message id="勝った方が次の月の親で、先に打ちます。役がないまま札が尽きると親は交代します。">
        <source></source>
        <translation>The winner deals the next month and plays first. If the cards run out with no yaku, the deal passes.</translation>
    </message>
    <message id="この月は終わりです。場をクリックして、次の月を配りましょう。">
        <source></source>
        <translation>This month is over. Click the table to deal the next month.</translation>
    </message>
    <message id="おわり">
        <source></source>
        <translation>The end</translation>
    </message>
    <message id="12か月戦って、文の合計が多い方の勝ちです。「レッスンをやめる」でふだんの対戦に戻ります。">
        <source></source>
        <translation>After 12 months, whoever has more mon wins. "Leave the lesson" takes you back to an ordinary match.</translation>
    </message>
    <message id="設定ファイル「%1」を読み取れませんでした。&#10;コンピュータの強さは「普通」にします。&#10;">
        <source></source>
        <translation>The settings file "%1" could not be read.
The computer plays at Normal.
</translation>
    </message>
    <message id="ファイルを別の名前にできなかったため、強さを変えると上書きされます。&#10;">
        <source></source>
        <translation>It could not be renamed, so changing the level will overwrite it.
</translation>
    </message>
    <message id="読み取れなかったファイルは「%1」として残してあります。">
        <source></source>
        <translation>The unreadable file is kept as "%1".</translation>
    </message>
    <message id="設定ファイル「%1」について：&#10;">
        <source></source>
        <translation>About the settings file "%1":
</translation>
    </message>
    <message id="次の行は使えないため、その設定は初めのままにします（コンピュータの強さなら「普通」）。&#10;">
        <source></source>
        <translation>These lines cannot be used, so those settings keep their defaults (Normal for the computer's level).
</translation>
    </message>
    <message id="「%1」が2回以上書かれています。最後の行を使います。&#10;">
        <source></source>
        <translation>"%1" is written more than once. The last line is used.
</translation>
    </message>
    <message id="ほかの設定は読み込みました。">
        <source></source>
        <translation>The other settings were read.</translation>
    </message>
    <message id="ほかの Petalgame 32 が STATUS.DAT を使っています。">
        <source></source>
        <translation>Another Petalgame 32 is using STATUS.DAT.</translation>
    </message>
    <message id="コンピュータの強さ">
        <source></source>
        <translation>The computer's level</translation>
    </message>
    <message id="ｃｏｍ（%1）">
        <source></source>
        <translation>COM (%1)</translation>
    </message>
    <message id="対戦中の勝負を終了して、新しい勝負を始めますか。">
        <source></source>
        <translation>End the match under way and start a new one?</translation>
    </message>
    <message id="いまの対戦は中断として記録され、負けに数えられます。">
        <source></source>
        <translation>The match under way is recorded as abandoned and counts as a loss.</translation>
    </message>
    <message id="このファイル名は保存できないため、次に起動したときには使われません。">
        <source></source>
        <translation>This file name cannot be saved, so it will not be used at the next start.</translation>
    </message>
    <message id="オプション">
        <source></source>
        <translation>Options</translation>
    </message>
    <message id="すべてのﾋﾟｸﾁｬﾌｧｲﾙ|*.bmp;*.dib;*.gif;*.jpg;*.png;*.wmf;*.emf;*.ico;*.cur|ﾋﾞｯﾄﾏｯﾌﾟ(*.bmp;*.dib)|*.bmp;*.dib|GIFｲﾒｰｼﾞ(*.gif)|*.gif|JPEGｲﾒｰｼﾞ(*.jpg)|*.jpg|PNGｲﾒｰｼﾞ(*.png)|*.png|ﾒﾀﾌｧｲﾙ(*.wmf;*.emf)|*.wmf;*.emf|ｱｲｺﾝ(*.ico;*.cur)|*.ico;*.cur">
        <source></source>
        <translation>All pictures|*.bmp;*.dib;*.gif;*.jpg;*.png;*.wmf;*.emf;*.ico;*.cur|Bitmaps (*.bmp;*.dib)|*.bmp;*.dib|GIF images (*.gif)|*.gif|JPEG images (*.jpg)|*.jpg|PNG images (*.png)|*.png|Metafiles (*.wmf;*.emf)|*.wmf;*.emf|Icons (*.ico;*.cur)|*.ico;*.cur</translation>
    </message>
    <message id="月の記録がありません。">
        <source></source>
        <translation>The record has no months.</translation>
    </message>
    <message id="%1か月目のこいこいと勝負の記録が、ルールに合いません。">
        <source></source>
        <translation>The koi-koi and stop calls recorded in month %1 break the rules.</translation>
    </message>
    <message id="記録の点数（%1文 対 %2文）に、再生の結果が合いません。">
        <source></source>
        <translation>Replaying does not give the recorded score (%1 mon to %2 mon).</translation>
    </message>
    <message id="この配りでは始められません。&#10;記録に配りがありません。">
        <source></source>
        <translation>This deal cannot be started.
The record holds no deal.</translation>
    </message>
    <message id="この配りでは始められません。&#10;%1か月目の配りが、48枚の違う札になっていません。">
        <source></source>
        <translation>This deal cannot be started.
The deal of month %1 is not 48 different cards.</translation>
    </message>
    <message id="選んだ対戦と同じ配りで始めます。">
        <source></source>
        <translation>Starting with the same deal as the chosen match.</translation>
    </message>
    <message id="強さは記録と同じ「%1」です。">
        <source></source>
        <translation>Level: %1, as recorded.</translation>
    </message>
    <message id="強さは「%1」です（記録は「%2」）。">
        <source></source>
        <translation>Level: %1 (recorded: %2).</translation>
    </message>
    <message id="%1か月目の配りが、48枚の違う札になっていません。">
        <source></source>
        <translation>The deal of month %1 is not 48 different cards.</translation>
    </message>
    <message id="%1か月目の%2手目（「%3」）は、ルールに合いません。">
        <source></source>
        <translation>Move %2 of month %1 ("%3") breaks the rules.</translation>
    </message>
    <message id="%1か月目の終わり方が、ルールに合いません。">
        <source></source>
        <translation>The way month %1 ended breaks the rules.</translation>
    </message>
    <message id="%1か月目の記録に、知らない札「%2」があります。">
        <source></source>
        <translation>The record of month %1 holds an unknown card "%2".</translation>
    </message>
    <message id="この対戦は再生できません。">
        <source></source>
        <translation>This match cannot be replayed.</translation>
    </message>
    <message id="この場面から先を打ち進められませんでした。&#10;記録のこの月を、最後までたどれません。">
        <source></source>
        <translation>The game could not be played on from here.
This month of the record cannot be followed to its end.</translation>
    </message>
    <message id="手札">
        <source></source>
        <translation>your hand</translation>
    </message>
    <message id="ｃｏｍの手札">
        <source></source>
        <translation>COM's hand</translation>
    </message>
    <message id="場">
        <source></source>
        <translation>table</translation>
    </message>
    <message id="取り札">
        <source></source>
        <translation>your captures</translation>
    </message>
    <message id="ｃｏｍの取り札">
        <source></source>
        <translation>COM's captures</translation>
    </message>
    <message id="親を決める札">
        <source></source>
        <translation>dealer draw</translation>
    </message>
    <message id="山札">
        <source></source>
        <translation>stock</translation>
    </message>
    <message id="、">
        <source></source>
        <translation>, </translation>
    </message>
    <message id="裏向きの札">
        <source></source>
        <translation>face-down card</translation>
    </message>
    <message id="%1 %2枚">
        <source></source>
        <translation>%1, %2 cards</translation>
    </message>
    <message id="%1の合計 %2文">
        <source></source>
        <translation>%1 total %2 mon</translation>
    </message>
    <message id="%1月目">
        <source></source>
        <translation>month %1</translation>
    </message>
    <message id="親：%1">
        <source></source>
        <translation>Dealer: %1</translation>
    </message>
    <message id="ヒント %1">
        <source></source>
        <translation>Hint %1</translation>
    </message>
    <message id="%1月目です。親は%2です。">
        <source></source>
        <translation>Month %1. The dealer is %2.</translation>
    </message>
    <message id="%1、山札から%2を場に出しました。">
        <source></source>
        <translation>%1 turned %2 from the stock onto the table.</translation>
    </message>
    <message id="%1、手札から%2を場に出しました。">
        <source></source>
        <translation>%1 played %2 from the hand onto the table.</translation>
    </message>
    <message id="%1、山札から%2で%3を取りました。">
        <source></source>
        <translation>%1 turned %2 from the stock and took %3.</translation>
    </message>
    <message id="%1、手札から%2で%3を取りました。">
        <source></source>
        <translation>%1 played %2 from the hand and took %3.</translation>
    </message>
    <message id="%1の役：%2。">
        <source></source>
        <translation>%1's yaku: %2. </translation>
    </message>
    <message id="なし">
        <source></source>
        <translation>none</translation>
    </message>
    <message id="%1はこいこいしました。">
        <source></source>
        <translation>%1 called koi-koi.</translation>
    </message>
    <message id="%1の勝ち、%2文です。">
        <source></source>
        <translation>%1 wins %2 mon.</translation>
    </message>
    <message id="引き分け">
        <source></source>
        <translation>a draw</translation>
    </message>
    <message id="%1に%2文">
        <source></source>
        <translation>%2 mon to %1</translation>
    </message>
    <message id="%1月目の結果：%2。合計は、あなた%3文、ｃｏｍ%4文です。">
        <source></source>
        <translation>Month %1 result: %2. Totals: you %3 mon, COM %4 mon.</translation>
    </message>
    <message id="対戦が終わりました。あなた%1文、ｃｏｍ%2文です。">
        <source></source>
        <translation>The match is over. You %1 mon, COM %2 mon.</translation>
    </message>
    <message id="%1を保存できませんでした。">
        <source></source>
        <translation>%1 could not be saved.</translation>
    </message>
    <message id="札の表示の設定">
        <source></source>
        <translation>The card marks setting</translation>
    </message>
    <message id="札の大きさの設定">
        <source></source>
        <translation>The card size setting</translation>
    </message>
    <message id="クリックで次へ">
        <source></source>
        <translation>Click to go on</translation>
    </message>
    <message id="卓">
        <source></source>
        <translation>Table</translation>
    </message>
    <message id="振り返り">
        <source></source>
        <translation>Review</translation>
    </message>
    <message id="出来役">
        <source></source>
        <translation>Yaku made</translation>
    </message>
    <message id="合計">
        <source></source>
        <translation>Total</translation>
    </message>
    <message id="７文以上ボーナス　　×２">
        <source></source>
        <translation>7 mon or more bonus  ×2</translation>
    </message>
    <message id="コードで対戦">
        <source></source>
        <translation>Play a deal code</translation>
    </message>
    <message id="配りコード（8文字）を入力してください。&#10;">
        <source></source>
        <translation>Type a deal code (8 characters).
</translation>
    </message>
    <message id="同じコードなら、だれとでも同じ配りで対戦できます。">
        <source></source>
        <translation>The same code deals the same cards for anyone.</translation>
    </message>
    <message id="対戦する">
        <source></source>
        <translation>Play</translation>
    </message>
    <message id="キャンセル">
        <source></source>
        <translation>Cancel</translation>
    </message>
    <message id="あと半角%1文字">
        <source></source>
        <translation>%1 more characters</translation>
    </message>
    <message id="名前入力">
        <source></source>
        <translation>Enter your name</translation>
    </message>
    <message id="入賞しています。">
        <source></source>
        <translation>You made the high scores.</translation>
    </message>
    <message id="名前を入力して下さい。">
        <source></source>
        <translation>Please enter your name.</translation>
    </message>
    <message id="全角は半角２文字分です">
        <source></source>
        <translation>A wide character counts as two</translation>
    </message>
    <message id="新しいゲームを始めます">
        <source></source>
        <translation>Start a new game</translation>
    </message>
    <message id="Petalgame 32 を終了します">
        <source></source>
        <translation>Quit Petalgame 32</translation>
    </message>
    <message id="ルールの変更">
        <source></source>
        <translation>Change the rules</translation>
    </message>
    <message id="ヘルプ">
        <source></source>
        <translation>Help</translation>
    </message>
    <message id="バージョン情報">
        <source></source>
        <translation>About</translation>
    </message>
    <message id="成績">
        <source></source>
        <translation>Records</translation>
    </message>
    <message id="コードで対戦・今日の配り">
        <source></source>
        <translation>Deal code, today's deal</translation>
    </message>
    <message id="再生中">
        <source></source>
        <translation>Replaying</translation>
    </message>
    <message id="コードで対戦…">
        <source></source>
        <translation>Play a deal code…</translation>
    </message>
    <message id="この対戦を記録から読めませんでした。">
        <source></source>
        <translation>This match could not be read from the history.</translation>
    </message>
    <message id="メニュー">
        <source></source>
        <translation>Menu</translation>
    </message>
    <message id="左クリック：画像を選ぶ　右クリック：元の顔に戻す">
        <source></source>
        <translation>Left click: choose a picture   Right click: the built-in face</translation>
    </message>
    <message id="　　　顔のｸﾞﾗﾌｨｯｸ　">
        <source></source>
        <translation> Faces </translation>
    </message>
    <message id="　　出来役状況　">
        <source></source>
        <translation> Yaku progress </translation>
    </message>
    <message id="表示する">
        <source></source>
        <translation>Show</translation>
    </message>
    <message id="残り１枚から表示する">
        <source></source>
        <translation>One card short</translation>
    </message>
    <message id="表示しない">
        <source></source>
        <translation>Hide</translation>
    </message>
    <message id="札に月と種類を表示">
        <source></source>
        <translation>Card marks</translation>
    </message>
    <message id="　　画面サイズ　">
        <source></source>
        <translation> Screen size </translation>
    </message>
    <message id="（６４０×４８０）画面モード">
        <source></source>
        <translation>640×480 mode</translation>
    </message>
    <message id="（８００×６００）以上画面モード">
        <source></source>
        <translation>800×600 or larger</translation>
    </message>
    <message id="大きさ：">
        <source></source>
        <translation>Size:</translation>
    </message>
    <message id="%1％">
        <source></source>
        <translation>%1%</translation>
    </message>
    <message id="　　壁紙　">
        <source></source>
        <translation> Wallpaper </translation>
    </message>
    <message id="壁紙１">
        <source></source>
        <translation>No. 1</translation>
    </message>
    <message id="壁紙２">
        <source></source>
        <translation>No. 2</translation>
    </message>
    <message id="壁紙３">
        <source></source>
        <translation>No. 3</translation>
    </message>
    <message id="その他">
        <source></source>
        <translation>Other</translation>
    </message>
    <message id="ﾌｧｲﾙ：">
        <source></source>
        <translation>File:</translation>
    </message>
    <message id="参照">
        <source></source>
        <translation>Browse</translation>
    </message>
    <message id="　コンピュータの強さ">
        <source></source>
        <translation> Computer level</translation>
    </message>
    <message id="　ヒント">
        <source></source>
        <translation> Hints</translation>
    </message>
    <message id="勝率を表示する">
        <source></source>
        <translation>Show win chances</translation>
    </message>
    <message id="ヒントを見た対戦はハイスコアに残りません。">
        <source></source>
        <translation>Matches with hints do not enter the high scores.</translation>
    </message>
    <message id="自動（デスクトップの言語）">
        <source></source>
        <translation>Auto (desktop language)</translation>
    </message>
    <message id="次回の起動から">
        <source></source>
        <translation>from the next start</translation>
    </message>
    <message id="　　 　札の移動速度　">
        <source></source>
        <translation> Card speed </translation>
    </message>
    <message id="遅">
        <source></source>
        <translation>Slow</translation>
    </message>
    <message id="速">
        <source></source>
        <translation>Fast</translation>
    </message>
    <message id="対戦中です。強さの変更は次の対戦から有効になります。">
        <source></source>
        <translation>A match is under way. A new level applies from the next match.</translation>
    </message>
    <message id="あなたの手を一手ずつ調べています…">
        <source></source>
        <translation>Checking your moves one by one…</translation>
    </message>
    <message id="月">
        <source></source>
        <translation>Month</translation>
    </message>
    <message id="打った手">
        <source></source>
        <translation>Your move</translation>
    </message>
    <message id="勝率">
        <source></source>
        <translation>Win chance</translation>
    </message>
    <message id="よりよい手">
        <source></source>
        <translation>Better move</translation>
    </message>
    <message id="差">
        <source></source>
        <translation>Loss</translation>
    </message>
    <message id="勝率は、見えていない札の配りを何通りも試した見積もりです。">
        <source></source>
        <translation>Win chances are estimates that try many deals of the cards you could not see. </translation>
    </message>
    <message id="同じ場面を調べ直したときのぶれより小さい差は挙げていません。">
        <source></source>
        <translation>Differences smaller than the search's own spread are not listed.</translation>
    </message>
    <message id="こう打てば">
        <source></source>
        <translation>Show the better way</translation>
    </message>
    <message id="選んだ行の場面から、よりよい手で月の終わりまで打ち進めた様子を盤で見せます">
        <source></source>
        <translation>Shows on the table how the month goes on from the chosen line with the better move</translation>
    </message>
    <message id="閉じる">
        <source></source>
        <translation>Close</translation>
    </message>
    <message id="あなたが選んだ%1手のうち、勝率を5ポイント以上下げた手は%2手でした。">
        <source></source>
        <translation>Of your %1 choices, %2 lowered your win chance by 5 points or more.</translation>
    </message>
    <message id="&#10;大きな悪手はありませんでした。">
        <source></source>
        <translation>
There were no big mistakes.</translation>
    </message>
    <message id="&#10;行をダブルクリックすると、その場面の再生を開きます。">
        <source></source>
        <translation>
Double-click a line to open the replay at that moment.</translation>
    </message>
    <message id="&#10;「こう打てば」では、よりよい手からその月の終わりまで打ち進めた様子を見られます。">
        <source></source>
        <translation>
"Show the better way" plays the month on from the better move to its end.</translation>
    </message>
    <message id="%1月">
        <source></source>
        <translation>Month %1</translation>
    </message>
    <message id="振り返る対戦が記録にありません。">
        <source></source>
        <translation>The history has no match to review.</translation>
    </message>
    <message id="花見で一杯の有無">
        <source></source>
        <translation>Hanami-zake (Flower viewing)</translation>
    </message>
    <message id="有">
        <source></source>
        <translation>On</translation>
    </message>
    <message id="無">
        <source></source>
        <translation>Off</translation>
    </message>
    <message id="月見で一杯の有無">
        <source></source>
        <translation>Tsukimi-zake (Moon viewing)</translation>
    </message>
    <message id="親権の有無">
        <source></source>
        <translation>Oya-ken (Dealer's right)</translation>
    </message>
    <message id="「菊に杯」の扱い">
        <source></source>
        <translation>The chrysanthemum sake cup</translation>
    </message>
    <message id="１０点札">
        <source></source>
        <translation>Animal</translation>
    </message>
    <message id="得点（文）">
        <source></source>
        <translation>Points (mon)</translation>
    </message>
    <message id="※ルールを変更した場合、ゲームは初期化されます。">
        <source></source>
        <translation>* Changing the rules starts the game afresh.</translation>
    </message>
    <message id="　１位　">
        <source></source>
        <translation> 1st </translation>
    </message>
    <message id="　２位　">
        <source></source>
        <translation> 2nd </translation>
    </message>
    <message id="　３位　">
        <source></source>
        <translation> 3rd </translation>
    </message>
    <message id="ﾊｲｽｺｱ">
        <source></source>
        <translation>High scores</translation>
    </message>
    <message id="総合">
        <source></source>
        <translation>Overall</translation>
    </message>
    <message id="一勝負">
        <source></source>
        <translation>Single month</translation>
    </message>
    <message id="【順位】">
        <source></source>
        <translation>[Rank]</translation>
    </message>
    <message id="【名前】">
        <source></source>
        <translation>[Name]</translation>
    </message>
    <message id="自分の得点(文)">
        <source></source>
        <translation>Own (mon)</translation>
    </message>
    <message id="相手の得点(文)">
        <source></source>
        <translation>Opponent (mon)</translation>
    </message>
    <message id="得点差(文)">
        <source></source>
        <translation>Margin (mon)</translation>
    </message>
    <message id="[名前]">
        <source></source>
        <translation>[Name]</translation>
    </message>
    <message id="[完成役]">
        <source></source>
        <translation>[Yaku]</translation>
    </message>
    <message id="文">
        <source></source>
        <translation>mon</translation>
    </message>
    <message id="読める対戦の記録がありません">
        <source></source>
        <translation>No readable match in the history</translation>
    </message>
    <message id="まだ対戦の記録がありません">
        <source></source>
        <translation>No match recorded yet</translation>
    </message>
    <message id="条件に合う対戦がありません">
        <source></source>
        <translation>No match fits the filters</translation>
    </message>
    <message id="終わった対戦がありません">
        <source></source>
        <translation>No finished match</translation>
    </message>
    <message id="。&lt;/b&gt;&lt;br&gt;">
        <source></source>
        <translation>.&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message id="対戦 %1局　勝ち %2　負け %3（うち中断 %4）　引き分け %5&lt;br&gt;">
        <source></source>
        <translation>Matches %1, won %2, lost %3 (abandoned %4), drawn %5&lt;br&gt;</translation>
    </message>
    <message id="勝率 %1　いまの連勝 %2　最長の連勝 %3&lt;br&gt;">
        <source></source>
        <translation>Win rate %1, current streak %2, longest streak %3&lt;br&gt;</translation>
    </message>
    <message id="1局の平均 %1文　相手との差の平均 %2文（中断を除く）&lt;br&gt;">
        <source></source>
        <translation>Average %1 mon a match, average margin %2 mon (abandoned left out)&lt;br&gt;</translation>
    </message>
    <message id="1局の平均 ―　相手との差の平均 ―&lt;br&gt;">
        <source></source>
        <translation>Average –, average margin –&lt;br&gt;</translation>
    </message>
    <message id="いちばんの勝ち　%1　%2文 対 %3文&lt;br&gt;">
        <source></source>
        <translation>Best win: %1, %2 mon to %3 mon&lt;br&gt;</translation>
    </message>
    <message id="親で勝った月 %1 / %2（%3）　子で勝った月 %4 / %5（%6）">
        <source></source>
        <translation>Months won as dealer %1 / %2 (%3), as non-dealer %4 / %5 (%6)</translation>
    </message>
    <message id="&lt;br&gt;&lt;font color=#a00000&gt;読めない記録 %1件は集計から除きました。&lt;/font&gt;">
        <source></source>
        <translation>&lt;br&gt;&lt;font color=#a00000&gt;%1 unreadable records were left out.&lt;/font&gt;</translation>
    </message>
    <message id="&lt;br&gt;&lt;font color=#a00000&gt;記録を最後まで読めなかったため、集計は途中までです。&lt;/font&gt;">
        <source></source>
        <translation>&lt;br&gt;&lt;font color=#a00000&gt;The history could not be read to its end, so the figures are partial.&lt;/font&gt;</translation>
    </message>
    <message id="こいこい %1回、うち実った %2回（%3）&lt;br&gt;">
        <source></source>
        <translation>Koi-koi %1 times, paid off %2 times (%3)&lt;br&gt;</translation>
    </message>
    <message id="1〜2文">
        <source></source>
        <translation>1–2 mon</translation>
    </message>
    <message id="3〜4文">
        <source></source>
        <translation>3–4 mon</translation>
    </message>
    <message id="5〜6文">
        <source></source>
        <translation>5–6 mon</translation>
    </message>
    <message id="7文以上">
        <source></source>
        <translation>7+ mon</translation>
    </message>
    <message id="%1で %2 / %3">
        <source></source>
        <translation>%1: %2 / %3</translation>
    </message>
    <message id="持ち点ごとに実った数：">
        <source></source>
        <translation>Paid off by points held: </translation>
    </message>
    <message id="7文以上で倍 %1回　手四 %2回　くっつき %3回">
        <source></source>
        <translation>Doubled at 7+ mon %1 times, Teshi %2, Kuttsuki %3</translation>
    </message>
    <message id="%1〜&#10;%2">
        <source></source>
        <translation>%1–
%2</translation>
    </message>
    <message id="%1文 対 %2文">
        <source></source>
        <translation>%1 mon to %2 mon</translation>
    </message>
    <message id="「プレイ」で始めた対戦には、配りコードがありません。">
        <source></source>
        <translation>A match started with Play has no deal code.</translation>
    </message>
    <message id="（">
        <source></source>
        <translation> (</translation>
    </message>
    <message id=" の今日の配り）">
        <source></source>
        <translation> daily deal)</translation>
    </message>
    <message id="今日（%1月%2日）の配りコード　&lt;b&gt;%3&lt;/b&gt;　（最強と、ヒントなしで対戦）&lt;br&gt;">
        <source></source>
        <translation>Today's deal code (%2/%1): &lt;b&gt;%3&lt;/b&gt; (against Strongest, no hints)&lt;br&gt;</translation>
    </message>
    <message id="今日の成績　%1（%2）　%3回対戦&lt;br&gt;">
        <source></source>
        <translation>Today: %1 (%2), played %3 times&lt;br&gt;</translation>
    </message>
    <message id="今日の成績　まだ対戦していません&lt;br&gt;">
        <source></source>
        <translation>Today: not played yet&lt;br&gt;</translation>
    </message>
    <message id="続けて対戦した日数　%1日（最長 %2日）&lt;br&gt;">
        <source></source>
        <translation>Days in a row: %1 (longest %2)&lt;br&gt;</translation>
    </message>
    <message id="いちばんの日　%1　%2（%3文）">
        <source></source>
        <translation>Best day: %1, %2 (%3 mon)</translation>
    </message>
    <message id="いちばんの日　―">
        <source></source>
        <translation>Best day: –</translation>
    </message>
    <message id="すべて">
        <source></source>
        <translation>All</translation>
    </message>
    <message id="最近の100局">
        <source></source>
        <translation>Last 100 matches</translation>
    </message>
    <message id="最近の30日">
        <source></source>
        <translation>Last 30 days</translation>
    </message>
    <message id="強さ">
        <source></source>
        <translation>Level</translation>
    </message>
    <message id="ルール">
        <source></source>
        <translation>Rules</translation>
    </message>
    <message id="期間">
        <source></source>
        <translation>Period</translation>
    </message>
    <message id="ヒントなし">
        <source></source>
        <translation>No hints</translation>
    </message>
    <message id="ヒントあり">
        <source></source>
        <translation>With hints</translation>
    </message>
    <message id="ヒント">
        <source></source>
        <translation>Hints</translation>
    </message>
    <message id="対戦">
        <source></source>
        <translation>Match</translation>
    </message>
    <message id="今日の配りで対戦">
        <source></source>
        <translation>Play today's deal</translation>
    </message>
    <message id="今日の配りで、最強と対戦します（ヒントなし）">
        <source></source>
        <translation>Plays today's deal against Strongest (no hints)</translation>
    </message>
    <message id="配りコードを入力して、その配りで対戦します">
        <source></source>
        <translation>Type a deal code and play its deal</translation>
    </message>
    <message id="今日の配り">
        <source></source>
        <translation>Today's deal</translation>
    </message>
    <message id="勝率の移り変わり">
        <source></source>
        <translation>Win rate over time</translation>
    </message>
    <message id="できた役">
        <source></source>
        <translation>Yaku made</translation>
    </message>
    <message id="1局の文の差">
        <source></source>
        <translation>Margin per match</translation>
    </message>
    <message id="月ごとの勝ち月の割合">
        <source></source>
        <translation>Months won, by month</translation>
    </message>
    <message id="再生">
        <source></source>
        <translation>Replay</translation>
    </message>
    <message id="この配りでもう一度">
        <source></source>
        <translation>Play this deal again</translation>
    </message>
    <message id="選んだ対戦を、場の上でもう一度見ます">
        <source></source>
        <translation>Watch the chosen match again on the table</translation>
    </message>
    <message id="選んだ対戦で、勝率を落とした手を調べます">
        <source></source>
        <translation>Finds the moves that lowered your chances in the chosen match</translation>
    </message>
    <message id="選んだ対戦の1か月目と同じ配りで、新しい対戦を始めます">
        <source></source>
        <translation>Starts a new match with the same first deal as the chosen match</translation>
    </message>
    <message id="配りコード">
        <source></source>
        <translation>Deal code</translation>
    </message>
    <message id="選んだ対戦の配りコードをコピーします。「コードで対戦」に貼れば、同じ配りで対戦できます">
        <source></source>
        <translation>Copies the chosen match's deal code. Paste it into "Play a deal code" to play the same deals</translation>
    </message>
    <message id="対戦の記録">
        <source></source>
        <translation>Match history</translation>
    </message>
    <message id="CSVで書き出す">
        <source></source>
        <translation>Export as CSV</translation>
    </message>
    <message id="JSON Linesで書き出す">
        <source></source>
        <translation>Export as JSON Lines</translation>
    </message>
    <message id="配りコード %1 をコピーしました。">
        <source></source>
        <translation>Deal code %1 copied.</translation>
    </message>
    <message id="書き出しています…">
        <source></source>
        <translation>Exporting…</translation>
    </message>
    <message id="やめる">
        <source></source>
        <translation>Stop</translation>
    </message>
    <message id="%1局を %2 に書き出しました。">
        <source></source>
        <translation>%1 matches exported to %2.</translation>
    </message>
    <message id="Petalgame 32　バージョン 1.0">
        <source></source>
        <translation>Petalgame 32  version 1.0</translation>
    </message>
    <message id="花札こいこい　一人用　対コンピュータ">
        <source></source>
        <translation>Hanafuda koi-koi, one player against the computer</translation>
    </message>
    <message id="Petalgame 32 開発チーム　制作">
        <source></source>
        <translation>Made by the Petalgame 32 team</translation>
    </message>
    <message id="ﾊﾞｰｼﾞｮﾝ情報">
        <source></source>
        <translation>About</translation>
    </message>
    <message id="しばらくお待ちください">
        <source></source>
        <translation>Please wait</translation>
    </message>
    <message id="ゲームに戻る">
        <source></source>
        <translation>Back to the game</translation>
    </message>
    <message id="Petalgame 32 ヘルプ">
        <source></source>
        <translation>Petalgame 32 Help</translation>
    </message>
    <message id="戻る">
        <source></source>
        <translation>Back</translation>
    </message>
    <message id="進む">
        <source></source>
        <translation>Forward</translation>
    </message>
    <message id="目次">
        <source></source>
        <translation>Contents</translation>
    </message>
    <message id="札を打ちながら遊び方を覚えるレッスン（約5分）を始めます">
        <source></source>
        <translation>Starts the lesson that teaches the game as you play (about 5 minutes)</translation>
    </message>
    <message id="漢あ">
        <source></source>
        <translation>Aa</translation>
    </message>
    <message id="最初から">
        <source></source>
        <translation>Restart</translation>
    </message>
    <message id="レッスンをやめる">
        <source></source>
        <translation>Leave the lesson</translation>
    </message>
    <message id="レッスンを最初の手順から始めます">
        <source></source>
        <translation>Starts the lesson again from its first step</translation>
    </message>
    <message id="レッスンをやめて、ふだんの対戦に戻ります。次はこの手順から続けられます">
        <source></source>
        <translation>Leaves the lesson for an ordinary match. Next time it goes on from this step</translation>
    </message>
    <message id="十二か月の札">
        <source></source>
        <translation>The twelve months</translation>
    </message>
    <message id="%1月 %2">
        <source></source>
        <translation>Month %1 %2</translation>
    </message>
    <message id="%1月&#10;%2">
        <source></source>
        <translation>Month %1
%2</translation>
    </message>
    <message id="はい(&amp;Y)">
        <source></source>
        <translation>&amp;Yes</translation>
    </message>
    <message id="いいえ(&amp;N)">
        <source></source>
        <translation>&amp;No</translation>
    </message>
    <message id="ファイルを開く">
        <source></source>
        <translation>Open a file</translation>
    </message>
    <message id="◀ 一手戻る">
        <source></source>
        <translation>◀ Back</translation>
    </message>
    <message id="一手進む ▶">
        <source></source>
        <translation>Forward ▶</translation>
    </message>
    <message id="自動再生">
        <source></source>
        <translation>Auto play</translation>
    </message>
    <message id="一手前に戻ります（←）">
        <source></source>
        <translation>One move back (←)</translation>
    </message>
    <message id="一手進めます（→）">
        <source></source>
        <translation>One move forward (→)</translation>
    </message>
    <message id="札の速さで自動で進めます（スペース）">
        <source></source>
        <translation>Plays on at the card speed (Space)</translation>
    </message>
    <message id="その月の配りへ移ります">
        <source></source>
        <translation>Goes to that month's deal</translation>
    </message>
    <message id="再生をやめて、ゲームに戻ります（Esc）">
        <source></source>
        <translation>Leaves the replay for the game (Esc)</translation>
    </message>
    <message id="%1か月目">
        <source></source>
        <translation>Month %1</translation>
    </message>
    <message id="%1か月目　%2 / %3手%4">
        <source></source>
        <translation>Month %1  move %2 / %3%4</translation>
    </message>
    <message id="　（終わり）">
        <source></source>
        <translation> (end)</translation>
    </message>
    <message id="花見%1文">
        <source></source>
        <translation>Hanami %1 mon</translation>
    </message>
    <message id="花見なし">
        <source></source>
        <translation>no Hanami</translation>
    </message>
    <message id="月見%1文">
        <source></source>
        <translation>Tsukimi %1 mon</translation>
    </message>
    <message id="月見なし">
        <source></source>
        <translation>no Tsukimi</translation>
    </message>
    <message id="・">
        <source></source>
        <translation>, </translation>
    </message>
    <message id="親権あり">
        <source></source>
        <translation>dealer's right</translation>
    </message>
    <message id="親権なし">
        <source></source>
        <translation>no dealer's right</translation>
    </message>
    <message id="菊はカス">
        <source></source>
        <translation>cup as chaff</translation>
    </message>
    <message id="菊はタネ">
        <source></source>
        <translation>cup as animal</translation>
    </message>
    <message id="勝ち">
        <source></source>
        <translation>Won</translation>
    </message>
    <message id="負け">
        <source></source>
        <translation>Lost</translation>
    </message>
    <message id="中断">
        <source></source>
        <translation>Abandoned</translation>
    </message>
    <message id="あり">
        <source></source>
        <translation>Yes</translation>
    </message>
    <message id="日時">
        <source></source>
        <translation>Date</translation>
    </message>
    <message id="結果">
        <source></source>
        <translation>Result</translation>
    </message>
    <message id="得点">
        <source></source>
        <translation>Score</translation>
    </message>
    <message id="勝率（赤）と直近10局（金）　全%1局">
        <source></source>
        <translation>Win rate (red), last 10 (gold), %1 in all</translation>
    </message>
    <message id="&#10;設定とハイスコアは、起動したフォルダに保存されます。&#10;">
        <source></source>
        <translation>
Settings and high scores are saved in the folder the game was started from.
</translation>
    </message>
    <message id="データフォルダ %1 を使えません。">
        <source></source>
        <translation>The data folder %1 cannot be used.</translation>
    </message>
    <message id="ホームフォルダが分からないため、データフォルダを使えません。">
        <source></source>
        <translation>The home folder is unknown, so the data folder cannot be used.</translation>
    </message>
    <message id="記録が途中で切れています。">
        <source></source>
        <translation>The record is cut short.</translation>
    </message>
    <message id="%1行目が「%2」の行になっていません。">
        <source></source>
        <translation>Line %1 is not the “%2” line.</translation>
    </message>
    <message id="%1行目の「%2」の値が範囲外です。">
        <source></source>
        <translation>The value of “%2” on line %1 is out of range.</translation>
    </message>
    <message id="Petalgame 32 の対戦の記録ではありません。">
        <source></source>
        <translation>This is not a Petalgame 32 match record.</translation>
    </message>
    <message id="記録の終わりのあとに余分な行があります。">
        <source></source>
        <translation>There are extra lines after the end of the record.</translation>
    </message>
    <message id="対戦の記録としては大きすぎます。">
        <source></source>
        <translation>The file is too large to be a match record.</translation>
    </message>
    <message id="ファイルを読めませんでした。">
        <source></source>
        <translation>The file could not be read.</translation>
    </message>
    <message id="前回の対戦を続けますか。&#10;「いいえ」なら中断として記録され、&#10;負けに数えられます。">
        <source></source>
        <translation>Continue the last match?
If you choose “No”, it is recorded as abandoned
and counted as a loss.</translation>
    </message>
    <message id="前回の対戦は、ほかに起動している Petalgame 32 が先に続けています。&#10;こちらでは新しい対戦を始めてください。">
        <source></source>
        <translation>Another running Petalgame 32 has already continued the last match.
Please start a new match here.</translation>
    </message>
    <message id="強さ「%1」を知りません。">
        <source></source>
        <translation>The level “%1” is unknown.</translation>
    </message>
    <message id="乱数の状態が正しくありません。">
        <source></source>
        <translation>The state of the random numbers is not valid.</translation>
    </message>
    <message id="配りコード「%1」が正しくありません。">
        <source></source>
        <translation>The deal code “%1” is not valid.</translation>
    </message>
    <message id="今日の配りの日付と配りコードが合いません。">
        <source></source>
        <translation>The date of the deal of the day does not match its deal code.</translation>
    </message>
    <message id="前回の対戦の記録「%1」を使えませんでした。">
        <source></source>
        <translation>The record of the last match “%1” could not be used.</translation>
    </message>
    <message id="記録は「%1」として残してあります。">
        <source></source>
        <translation>The record has been kept as “%1”.</translation>
    </message>
    <message id="記録を別の名前にできませんでした。">
        <source></source>
        <translation>The record could not be renamed.</translation>
    </message>
    <message id="いまの対戦を続きのために保存できませんでした。中断として記録します。">
        <source></source>
        <translation>This match could not be saved to continue later. It is recorded as abandoned.</translation>
    </message>
    <message id="%1番目の操作の乱数の状態が正しくありません。">
        <source></source>
        <translation>The state of the random numbers at action %1 is not valid.</translation>
    </message>
    <message id="%1番目の操作を、記録どおりに打ち直せませんでした。">
        <source></source>
        <translation>Action %1 could not be played again as recorded.</translation>
    </message>
    <message id="記録の操作を打ち直しても、対戦の途中になりません。">
        <source></source>
        <translation>Playing the recorded actions again does not lead into a match.</translation>
    </message>
    <message id="いまの対戦は、次に起動したときに続きから遊べます。">
        <source></source>
        <translation>You can continue this match the next time you start the game.</translation>
    </message>
</context>
</TS>
