"""Texts of the manuals that tools/make_manuals.py writes (title first)."""

GUIDE = {
    "en": [
        ("title", "Olvanta IR Remote Designer - User's Guide"),
        ("p", "Olvanta builds the firmware of an infrared remote controller for the maker's microcontrollers. "
              "You choose the MCU, the kind of remote and its IR protocol, lay out the keys, and the program "
              "writes a complete firmware project in assembly and C for the MCU's toolchain."),
        ("h", "1. The main window"),
        ("p", "The strip at the top holds four menus: Project, Options, Language and Help. Below it, while a "
              "project is open, the selection bar shows the development mode, the MCU and its package, and the "
              "navigation bar shows the steps of the project. The current step is blue; the coloured stripe "
              "under the captions shows how far you have come."),
        ("p", "Click an earlier step to go back at once. Click a later step to jump forward: every page in "
              "between checks its values first, and the jump stops on the first page whose values need "
              "attention. Enter and Escape never close the window."),
        ("h", "2. Projects"),
        ("p", "Project > New Project asks for a name, a folder, the development mode, the MCU and the package, "
              "and creates the project file. Project > Open Project opens an existing project file (.ovirprj). "
              "Project > Save Project writes every page into the project file."),
        ("p", "A save is written to a temporary file first and replaces the project file only when every page "
              "has been saved, so a failed save never damages the file on disk. The window title shows the "
              "project file; an asterisk after it means there are unsaved changes. Going back to the start "
              "page, creating or opening another project, or closing the window asks whether to save them."),
        ("h", "3. The steps of a project"),
        ("p", "General remote, standard protocol: Start, Protocol, Key Configuration."),
        ("p", "General remote, user-defined protocol: Start, Modulation, Data Format, Key Configuration."),
        ("p", "LCD remote (simple or standard): Start, Modulation, Data Format, Other Settings, Display "
              "Configuration, Key Configuration."),
        ("p", "The output command on the Key Configuration page generates the firmware project into a new "
              "folder inside the project folder, named after the project, the date and the time."),
        ("h", "4. Options and language"),
        ("p", "Options > Reset Prompts shows again every hint you chose not to see. Options > Learn Code Mode "
              "opens the decode window, which captures a real remote's signal through the receiver board. "
              "Language switches every text of the program at once between English, Simplified Chinese and "
              "Traditional Chinese; the choice is kept for the next start."),
        ("h", "5. The receiver board"),
        ("p", "Plug the receiver board into a USB port. The program notices when the board arrives or is "
              "removed and connects to it by itself. Help > About shows the versions of the program, of the "
              "firmware frameworks and of the board's firmware."),
    ],
    "zh_CN": [
        ("title", "Olvanta 红外遥控器设计工具 使用手册"),
        ("p", "Olvanta 用于为本公司的单片机生成红外遥控器固件。您只需选择单片机、遥控器类型和红外协议，"
              "布置按键，程序就会为单片机的开发工具生成完整的汇编与 C 语言固件工程。"),
        ("h", "1. 主窗口"),
        ("p", "顶部横条有四个菜单：项目、选项、语言和帮助。打开项目后，其下方的选择栏显示开发模式、单片机和封装，"
              "导航栏显示项目的各个步骤。当前步骤以蓝色显示，标题下方的彩色进度条表示已完成的进度。"),
        ("p", "点击前面的步骤可立即返回。点击后面的步骤可向前跳转：途经的每一页都会先检查其数值，"
              "遇到需要修改的页面时跳转就停在该页。按回车键或 Esc 键不会关闭窗口。"),
        ("h", "2. 项目"),
        ("p", "“项目 > 新建项目”询问项目名称、文件夹、开发模式、单片机和封装，并创建项目文件。"
              "“项目 > 打开项目”打开已有的项目文件（.ovirprj）。“项目 > 保存项目”把每一页写入项目文件。"),
        ("p", "保存时先写入临时文件，只有所有页面都保存成功后才替换项目文件，因此保存失败绝不会损坏磁盘上的文件。"
              "窗口标题显示项目文件，其后的星号表示有未保存的修改。返回开始页、新建或打开其他项目、"
              "或关闭窗口时，程序会询问是否保存。"),
        ("h", "3. 项目的步骤"),
        ("p", "普通遥控器、标准协议：开始、协议选择、按键配置。"),
        ("p", "普通遥控器、自定义协议：开始、调制参数、数据格式、按键配置。"),
        ("p", "LCD 遥控器（简易或标准）：开始、调制参数、数据格式、其他设置、显示配置、按键配置。"),
        ("p", "按键配置页的输出命令会在项目文件夹中生成固件工程，新文件夹以项目名称、日期和时间命名。"),
        ("h", "4. 选项与语言"),
        ("p", "“选项 > 重置提示”会重新显示您选择不再显示的所有提示。“选项 > 学习码模式”打开解码窗口，"
              "通过接收板采集真实遥控器的信号。“语言”菜单可在英文、简体中文和繁体中文之间立即切换程序的全部文字，"
              "所选语言在下次启动时保留。"),
        ("h", "5. 接收板"),
        ("p", "将接收板插入 USB 接口。程序会发现接收板的插入或拔出并自动连接。"
              "“帮助 > 关于”显示程序、固件框架和接收板固件的版本。"),
    ],
    "zh_TW": [
        ("title", "Olvanta 紅外線遙控器設計工具 使用手冊"),
        ("p", "Olvanta 用於為本公司的單晶片產生紅外線遙控器韌體。您只需選擇單晶片、遙控器類型和紅外線協定，"
              "配置按鍵，程式就會為單晶片的開發工具產生完整的組合語言與 C 語言韌體專案。"),
        ("h", "1. 主視窗"),
        ("p", "頂部橫條有四個選單：專案、選項、語言和說明。開啟專案後，其下方的選擇列顯示開發模式、單晶片和封裝，"
              "導覽列顯示專案的各個步驟。目前步驟以藍色顯示，標題下方的彩色進度條表示已完成的進度。"),
        ("p", "點選前面的步驟可立即返回。點選後面的步驟可向前跳轉：途經的每一頁都會先檢查其數值，"
              "遇到需要修改的頁面時跳轉就停在該頁。按 Enter 或 Esc 鍵不會關閉視窗。"),
        ("h", "2. 專案"),
        ("p", "「專案 > 新增專案」詢問專案名稱、資料夾、開發模式、單晶片和封裝，並建立專案檔案。"
              "「專案 > 開啟專案」開啟既有的專案檔案（.ovirprj）。「專案 > 儲存專案」把每一頁寫入專案檔案。"),
        ("p", "儲存時先寫入暫存檔案，只有所有頁面都儲存成功後才取代專案檔案，因此儲存失敗絕不會損壞磁碟上的檔案。"
              "視窗標題顯示專案檔案，其後的星號表示有未儲存的修改。返回開始頁、新增或開啟其他專案、"
              "或關閉視窗時，程式會詢問是否儲存。"),
        ("h", "3. 專案的步驟"),
        ("p", "一般遙控器、標準協定：開始、協定選擇、按鍵配置。"),
        ("p", "一般遙控器、自訂協定：開始、調變參數、資料格式、按鍵配置。"),
        ("p", "LCD 遙控器（簡易或標準）：開始、調變參數、資料格式、其他設定、顯示配置、按鍵配置。"),
        ("p", "按鍵配置頁的輸出命令會在專案資料夾中產生韌體專案，新資料夾以專案名稱、日期和時間命名。"),
        ("h", "4. 選項與語言"),
        ("p", "「選項 > 重設提示」會重新顯示您選擇不再顯示的所有提示。「選項 > 學習碼模式」開啟解碼視窗，"
              "透過接收板擷取真實遙控器的訊號。「語言」選單可在英文、簡體中文和繁體中文之間立即切換程式的全部文字，"
              "所選語言在下次啟動時保留。"),
        ("h", "5. 接收板"),
        ("p", "將接收板插入 USB 連接埠。程式會發現接收板的插入或拔出並自動連線。"
              "「說明 > 關於」顯示程式、韌體框架和接收板韌體的版本。"),
    ],
}

KNOWLEDGE = {
    "en": [
        ("title", "Infrared Remote Controller Knowledge Base"),
        ("h", "1. How an IR remote sends a key"),
        ("p", "An IR remote switches an infrared LED on and off at a carrier frequency, usually 36 to 40 kHz "
              "(38 kHz is the most common). Bursts of carrier are called marks, the pauses between them spaces. "
              "The receiver in the appliance filters the carrier away and sees only the lengths of marks and "
              "spaces, from which it reads the bits of a frame."),
        ("h", "2. The parts of a frame"),
        ("p", "Lead code: a long mark and space that wake the receiver and mark the start of a frame. "
              "Data bits: each bit is a mark followed by a space; the lengths tell 0 from 1. "
              "Address (customer code): identifies the appliance. Command: identifies the key. "
              "Check bits: an inverted copy or a checksum that lets the receiver reject damaged frames. "
              "End code and repeat: a final mark, and a repeat frame sent while the key stays pressed."),
        ("h", "3. Common protocols"),
        ("p", "NEC: 9 ms lead mark, 4.5 ms space; bits of a 560 us mark with a 560 us (0) or 1690 us (1) "
              "space; 8-bit address, its inverse, 8-bit command and its inverse; repeat frame every 108 ms."),
        ("p", "RC5: Manchester coded, 889 us half bits at 36 kHz; two start bits, a toggle bit that changes "
              "with every new key press, 5 address bits and 6 command bits."),
        ("p", "Air-conditioner remotes send the whole state (mode, temperature, fan, timer) in long frames of "
              "many bytes with a checksum, so every key press repeats all settings."),
        ("h", "4. Hardware"),
        ("p", "The MCU drives the IR LED through a transistor or its own high-current output. Keys are read "
              "as a matrix of rows and columns or as touch keys. LEDs show sending and low battery; an LCD "
              "remote drives its segment display from the MCU's COM and SEG pins."),
    ],
    "zh_CN": [
        ("title", "红外线(IR)遥控器理论知识库"),
        ("h", "1. 红外遥控器如何发送按键"),
        ("p", "红外遥控器以载波频率（通常为 36 至 40 kHz，最常见的是 38 kHz）开关红外发光二极管。"
              "有载波的时段称为“传号”，其间的间隔称为“空号”。电器中的接收头滤掉载波，只看到传号和空号的长度，"
              "并由此读出一帧数据的各个位。"),
        ("h", "2. 一帧数据的组成"),
        ("p", "引导码：较长的传号和空号，用于唤醒接收头并标志一帧的开始。数据位：每一位由一个传号和一个空号组成，"
              "由长度区分 0 和 1。地址码（用户码）：标识电器。命令码：标识按键。校验位：反码或校验和，"
              "使接收方能够丢弃损坏的数据帧。结束码与重复码：最后的传号，以及按住按键时发送的重复帧。"),
        ("h", "3. 常见协议"),
        ("p", "NEC：引导码为 9 ms 传号和 4.5 ms 空号；每一位为 560 us 传号加 560 us（0）或 1690 us（1）空号；"
              "依次为 8 位地址、地址反码、8 位命令和命令反码；每 108 ms 发送一次重复帧。"),
        ("p", "RC5：曼彻斯特编码，36 kHz 载波下半位为 889 us；两个起始位、每次新按键都会翻转的翻转位、"
              "5 位地址和 6 位命令。"),
        ("p", "空调遥控器在由多个字节组成的长帧中发送全部状态（模式、温度、风速、定时）并附校验和，"
              "因此每按一次键都会重复发送全部设置。"),
        ("h", "4. 硬件"),
        ("p", "单片机通过三极管或自身的大电流输出口驱动红外发光二极管。按键以行列矩阵或触摸按键的方式读取。"
              "指示灯显示发送与低电量；LCD 遥控器由单片机的 COM 和 SEG 引脚驱动段码显示屏。"),
    ],
    "zh_TW": [
        ("title", "紅外線(IR)遙控器理論知識庫"),
        ("h", "1. 紅外線遙控器如何傳送按鍵"),
        ("p", "紅外線遙控器以載波頻率（通常為 36 至 40 kHz，最常見的是 38 kHz）開關紅外線發光二極體。"
              "有載波的時段稱為「傳號」，其間的間隔稱為「空號」。電器中的接收頭濾掉載波，只看到傳號和空號的長度，"
              "並由此讀出一幀資料的各個位元。"),
        ("h", "2. 一幀資料的組成"),
        ("p", "引導碼：較長的傳號和空號，用於喚醒接收頭並標示一幀的開始。資料位元：每一位元由一個傳號和一個空號組成，"
              "由長度區分 0 和 1。位址碼（客戶碼）：識別電器。命令碼：識別按鍵。檢查位元：反碼或檢查和，"
              "使接收方能夠丟棄損壞的資料幀。結束碼與重複碼：最後的傳號，以及按住按鍵時傳送的重複幀。"),
        ("h", "3. 常見協定"),
        ("p", "NEC：引導碼為 9 ms 傳號和 4.5 ms 空號；每一位元為 560 us 傳號加 560 us（0）或 1690 us（1）空號；"
              "依序為 8 位元位址、位址反碼、8 位元命令和命令反碼；每 108 ms 傳送一次重複幀。"),
        ("p", "RC5：曼徹斯特編碼，36 kHz 載波下半位元為 889 us；兩個起始位元、每次新按鍵都會翻轉的翻轉位元、"
              "5 位元位址和 6 位元命令。"),
        ("p", "冷氣遙控器在由多個位元組組成的長幀中傳送全部狀態（模式、溫度、風速、定時）並附檢查和，"
              "因此每按一次鍵都會重複傳送全部設定。"),
        ("h", "4. 硬體"),
        ("p", "單晶片透過電晶體或自身的大電流輸出腳驅動紅外線發光二極體。按鍵以行列矩陣或觸控按鍵的方式讀取。"
              "指示燈顯示傳送與低電量；LCD 遙控器由單晶片的 COM 和 SEG 腳位驅動段碼顯示器。"),
    ],
}
