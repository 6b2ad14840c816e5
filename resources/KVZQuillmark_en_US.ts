<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>BaseDeviceManager</name>
    <message>
        <source>%1 蜂鸣器设置:次数 %2 持续: %3 </source>
        <translation>%1 buzzer setting: times %2  duration:%3 </translation>
    </message>
    <message>
        <source>%1 蜂鸣器闪灯设置 次数: %2 间隔: %3 模式: %4</source>
        <translation>%1 buzzer flashing times set: %2 Interval: %3 Mode: %4</translation>
    </message>
    <message>
        <source>%1 切刀设置 模式: %2 进纸长度: %3 </source>
        <translation>%1 cutter setting mode: %2 Feed length: %3 </translation>
    </message>
    <message>
        <source>%1 获取打印机状态</source>
        <translation>%1 retrieves printer status</translation>
    </message>
    <message>
        <source>%1 获取脱机状态</source>
        <translation>%1 retrieves offline status</translation>
    </message>
    <message>
        <source>%1 获取错误状态</source>
        <translation>%1 obtains error status</translation>
    </message>
    <message>
        <source>%1 获取传送纸状态</source>
        <translation>%1 retrieves the status of the transfer paper</translation>
    </message>
    <message>
        <source>%1 钱箱控制设置 引脚: %2 高电平时间: %3 低电平时间: %4</source>
        <translation>%1 cash box control setting pin:%2 High level time:%3 Low level time:%4</translation>
    </message>
    <message>
        <source>%1 钱箱打开控制 引脚: %2 高低电平时间: %3 </source>
        <translation>%1 cash box open control pin:%2 High and low level time:%3 </translation>
    </message>
    <message>
        <source>%1 工作模式初始化打印机</source>
        <translation>%1 working mode initialization printer</translation>
    </message>
    <message>
        <source>%1 工作模式打印并换行 hex: %2 内容: %3 </source>
        <translation>%1 Work mode printing and line wrapping hex:%2 Content:%3 </translation>
    </message>
    <message>
        <source>%1 工作模式打印并走纸移动单位 hex: %2 内容: %3 走纸距离: %4</source>
        <translation>%1 working mode printing and paper movement unit hex:%2 Content:%3 Paper distance:%4</translation>
    </message>
    <message>
        <source>%1 工作模式打印并走纸英寸 hex: %2 内容: %3 行数: %4</source>
        <translation>%1 working mode printing and paper feeding inches hex:%2 Content:%3 Lines:%4</translation>
    </message>
    <message>
        <source>%1 工作模式设置默认行间距</source>
        <translation>%1 working mode setting default line spacing</translation>
    </message>
    <message>
        <source>%1 工作模式设置行间距 行间距: %2  </source>
        <translation>%1 working mode setting line spacing line spacing:%2  </translation>
    </message>
    <message>
        <source>%1 工作模式设置输入框代码页: %2  </source>
        <translation>%1 working mode input box code page:%2  </translation>
    </message>
    <message>
        <source>%1 位图加载[%2/%3] 图片路径: %4  </source>
        <translation>%1 bitmap loading [%2/%3] image path: %4  </translation>
    </message>
    <message>
        <source>%1 设置图像</source>
        <translation>%1 setImage</translation>
    </message>
    <message>
        <source>%1 位图设置 模式: %2 logo序号: %3 </source>
        <translation>%1 setBitmap mode: %2 logoNum: %3 </translation>
    </message>
    <message>
        <source>%1 条码upc-a打印 内容: %2  </source>
        <translation>%1 barcode upc-a printing content:%2  </translation>
    </message>
    <message>
        <source>%1 条码upc-e打印 内容: %2  </source>
        <translation>%1 barcode upc-e printing content:%2  </translation>
    </message>
    <message>
        <source>%1 条码strJAN13打印 内容: %2  </source>
        <translation>%1 barcode strJAN13 printing content:%2  </translation>
    </message>
    <message>
        <source>%1 条码JAN8打印 内容: %2  </source>
        <translation>%1 barcode JAN8 printing content:%2  </translation>
    </message>
    <message>
        <source>%1 条码CODE39打印 内容: %2  </source>
        <translation>%1 barcode CODE39 printing content:%2  </translation>
    </message>
    <message>
        <source>%1 条码ITF打印 内容: %2  </source>
        <translation>%1 barcode ITF printing content:%2  </translation>
    </message>
    <message>
        <source>%1 条码CODABAR打印 内容: %2  </source>
        <translation>%1 barcode CODABAR printing content:%2  </translation>
    </message>
    <message>
        <source>%1 条码strCODE93打印 内容: %2  </source>
        <translation>%1 barcode strCODE93 printing content:%2  </translation>
    </message>
    <message>
        <source>%1 条码CODE128打印 内容: %2  </source>
        <translation>%1 barcode CODE128 printing content:%2  </translation>
    </message>
    <message>
        <source>%1 条码Hri位置设置 位置: %2  </source>
        <translation>%1 barcode Hri position setting location:%2  </translation>
    </message>
    <message>
        <source>%1 条码HRI字体 字体: %2  </source>
        <translation>%1 barcode HRI font:%2  </translation>
    </message>
    <message>
        <source>%1 条码大小 宽度: %2 高度: %3 </source>
        <translation>%1 barcode size, width:%2, height:%3 </translation>
    </message>
    <message>
        <source>%1 设置二维码类型: %2</source>
        <translation>%1.Set QR code type:%2</translation>
    </message>
    <message>
        <source>%1 更多条码: %2 内容: %3 </source>
        <translation>%1 More barcodes: %2 Content:%3 </translation>
    </message>
    <message>
        <source>%1 打印二维码 放大倍数: %2 纠错级别: %3 内容: %4</source>
        <translation>%1 Printing QR Code Magnification:%2 Error Correction Level:%3 Content:%4</translation>
    </message>
    <message>
        <source>%1 待机灯种类 模式: %2 </source>
        <translation>%1 standby light type mode:%2 </translation>
    </message>
    <message>
        <source>%1 工作灯 R: %2 G: %3 B: %4</source>
        <translation>%1 work light R:%2 G:%3 B:%4</translation>
    </message>
    <message>
        <source>%1 缺纸灯 R: %2 G: %3 B: %4</source>
        <translation>%1 paper shortage light R:%2 G:%3 B:%4</translation>
    </message>
    <message>
        <source>%1 卡刀灯 R: %2 G: %3 B: %4</source>
        <translation>%1 card cutter light R:%2 G:%3 B:%4</translation>
    </message>
    <message>
        <source>%1 过热灯 R: %2 G: %3 B: %4</source>
        <translation>%1 overheat light R:%2 G:%3 B:%4</translation>
    </message>
    <message>
        <source>%1 待机灯常亮 R: %2 G: %3 B: %4</source>
        <translation>%1 standby light always on R:%2 G:%3 B:%4</translation>
    </message>
    <message>
        <source>%1 启用中文设置 选择: %2 </source>
        <translation>%1 enabled Chinese setting selection:%2 </translation>
    </message>
    <message>
        <source>%1 倍宽、倍高、下划线 倍宽: %2 倍高: %3 下划线: %4</source>
        <translation>%1 width, height, underline width:%2 height:%3 underline:%4</translation>
    </message>
    <message>
        <source>%1 设置左右间距 左间距: %2 右间距: %3 </source>
        <translation>%1 settings left and right spacing left spacing:%2 right spacing:%3 </translation>
    </message>
    <message>
        <source>%1 国际字符集设置 选择: %2 </source>
        <translation>%1 International Character Set Setting Selection:%2 </translation>
    </message>
    <message>
        <source>%1 设置打印模式 选择: %2 </source>
        <translation>%1 Set printing mode selection: %2 </translation>
    </message>
    <message>
        <source>%1 设置蜂鸣器开关 选择: %2 </source>
        <translation>%1 Set buzzer switch selection: %2 </translation>
    </message>
    <message>
        <source>%1 设置切刀开关 选择: %2 </source>
        <translation>%1 Set the cutter switch selection:%2 </translation>
    </message>
    <message>
        <source>%1 设置错误蜂鸣类型 选择: %2 </source>
        <translation>%1 Incorrect buzzer type selection:%2 </translation>
    </message>
    <message>
        <source>%1 对齐方式设置 选择: %2 </source>
        <translation>%1 alignment setting selection:%2 </translation>
    </message>
    <message>
        <source>%1 顺时针旋转90度设置 选择: %2 </source>
        <translation>%1 clockwise rotation 90 degrees setting selection:%2 </translation>
    </message>
    <message>
        <source>%1 倒置打印设置 选择: %2 </source>
        <translation>%1 Inverted Printing Setting Selection:%2 </translation>
    </message>
    <message>
        <source>%1 字符设置 宽: %2 高: %3 </source>
        <translation>%1 character setting width:%2 height:%3 </translation>
    </message>
    <message>
        <source>%1 黑白反显设置 选择: %2 </source>
        <translation>%1 black and white reverse display setting selection:%2 </translation>
    </message>
    <message>
        <source>%1 边距设置 边距低: %2 边距高: %3 </source>
        <translation>%1 margin setting: Margin low:%2 Margin high:%3 </translation>
    </message>
    <message>
        <source>%1 打印区域宽度设置 宽度低: %2 宽度高: %3 </source>
        <translation>%1 printing area width setting, low width:%2, high width:%3 </translation>
    </message>
    <message>
        <source>%1 设置横向和纵向移动单位 横向: %2 纵向: %3 </source>
        <translation>%1 settings for horizontal and vertical movement units Horizontal:%2 Vertical:%3 </translation>
    </message>
    <message>
        <source>%1 稠度微调设置 值: %2 </source>
        <translation>%1 viscosity fine-tuning setting value:%2 </translation>
    </message>
    <message>
        <source>%1 纸张大小 值: %2 </source>
        <translation>%1 Paper size value:%2 </translation>
    </message>
    <message>
        <source>%1 纸张间隙 : %2 </source>
        <translation>%1 Paper gap:%2 </translation>
    </message>
    <message>
        <source>%1 打印速度设置 值: %2 </source>
        <translation>%1 Printing speed setting value:%2 </translation>
    </message>
    <message>
        <source>%1 启用切刀蜂鸣钱箱设置 切刀: %2 蜂鸣: %3 钱箱: %4</source>
        <translation>%1 enabled cutter beep cashbox settings: cutter:%2 beep:%3 cashbox:%4</translation>
    </message>
    <message>
        <source>%1 设置机器型号 : %2 </source>
        <translation>%1 setPrintModel : %2 </translation>
    </message>
    <message>
        <source>%1 设置USB升级模式</source>
        <translation>%1 setUSBUpgradeMode</translation>
    </message>
    <message>
        <source>%1 恢复出厂设置</source>
        <translation>%1 setRestoreFactorySettings</translation>
    </message>
    <message>
        <source>%1 设置字符右间距 英寸: %2 </source>
        <translation>%1 setting character right spacing inches:%2 </translation>
    </message>
    <message>
        <source>%1 选择打印模式 Asc2: %2 加粗: %3 倍宽: %4 倍高: %5 下划线: %6</source>
        <translation>%1 select print mode Asc2:%2 bold:%3 times width:%4 times height:%5 underline:%6</translation>
    </message>
    <message>
        <source>%1 用户自定义字符 选择: %2 </source>
        <translation>%1 user-defined character selection:%2 </translation>
    </message>
    <message>
        <source>%1 自定义字符单个打印 选择: %2 </source>
        <translation>%1 custom character single printing selection:%2 </translation>
    </message>
    <message>
        <source>%1 自定义字符单个删除 字符: %2 </source>
        <translation>%1 custom character single deletion character:%2 </translation>
    </message>
    <message>
        <source>%1 自定义字符设置 字符: %2 </source>
        <translation>%1 custom character setting character:%2 </translation>
    </message>
    <message>
        <source>%1 更多设置-tcp模式以太网设置 IP: %2  Mask: %3  Gateway: %4  dhcp: %5  beep: %6  cut: %7  beepType: %8  printMode: %9  density: %10 </source>
        <translation>%1 More Settings - TCP Mode Ethernet Settings IP: %2  Mask: %3  Gateway: %4  dhcp: %5  beep: %6  cut: %7  beepType: %8  printMode: %9  density: %10 </translation>
    </message>
    <message>
        <source>%1 更多设置 点击</source>
        <translation>%1 More Settings Click</translation>
    </message>
    <message>
        <source>%1 查询蓝牙地址  </source>
        <translation>%1.Search for Bluetooth address  </translation>
    </message>
    <message>
        <source>%1 查询蓝牙名称  </source>
        <translation>%1 Search for Bluetooth name  </translation>
    </message>
    <message>
        <source>%1 查询蓝牙配对码  </source>
        <translation>%1 query Bluetooth pairing code  </translation>
    </message>
    <message>
        <source>%1 设置蓝牙名称 : %2 </source>
        <translation>%1 settings Bluetooth name:%2 </translation>
    </message>
    <message>
        <source>%1 设置蓝牙配对码 : %2 </source>
        <translation>%1 setting Bluetooth pairing code:%2 </translation>
    </message>
    <message>
        <source>%1 查询打印指令集</source>
        <translation>%1 query printing instruction set</translation>
    </message>
    <message>
        <source>%1 设置打印指令集 : %2 </source>
        <translation>%1 settings printing instruction set:%2 </translation>
    </message>
    <message>
        <source>%1 查询纸张类型</source>
        <translation>%1 query paper type</translation>
    </message>
    <message>
        <source>%1 设置纸张类型 : %2 </source>
        <translation>%1 setting paper type:%2 </translation>
    </message>
    <message>
        <source>%1 查询打印速度模式</source>
        <translation>%1 query printing speed mode</translation>
    </message>
    <message>
        <source>%1 设置打印速度模式 : %2 </source>
        <translation>%1 set printing speed mode:%2 </translation>
    </message>
    <message>
        <source>%1 查询打印浓度模式</source>
        <translation>%1 query printing density mode</translation>
    </message>
    <message>
        <source>%1 设置打印浓度模式 : %2 </source>
        <translation>%1 settings for printing density mode:%2 </translation>
    </message>
    <message>
        <source>%1 查询字符集</source>
        <translation>%1 query character set</translation>
    </message>
    <message>
        <source>%1 设置字符集 : %2 </source>
        <translation>%1 Set Character Set:%2 </translation>
    </message>
    <message>
        <source>%1 设置波特率 : %2 </source>
        <translation>%1 baud rate setting:%2 </translation>
    </message>
    <message>
        <source>%1 查询波特率</source>
        <translation>%1 query baud rate</translation>
    </message>
    <message>
        <source>%1 设置数据位 : %2 </source>
        <translation>%1 setting data bit:%2 </translation>
    </message>
    <message>
        <source>%1 查询数据位</source>
        <translation>%1 query data bit</translation>
    </message>
    <message>
        <source>%1 设置校验位 : %2 </source>
        <translation>%1 setting parity:%2 </translation>
    </message>
    <message>
        <source>%1 查询校验位</source>
        <translation>%1 query parity</translation>
    </message>
    <message>
        <source>%1 设置停止位 : %2 </source>
        <translation>%1 setting stop bit:%2 </translation>
    </message>
    <message>
        <source>%1 查询停止位</source>
        <translation>%1 query stop bit</translation>
    </message>
    <message>
        <source>%1 测试打印图片</source>
        <translation>%1 Test printing images</translation>
    </message>
    <message>
        <source>%1 测试打印条码</source>
        <translation>%1 Test printing barcode</translation>
    </message>
    <message>
        <source>%1 测试打印测试页</source>
        <translation>%1 Test printing test page</translation>
    </message>
    <message>
        <source>%1 测试打印58小票</source>
        <translation>%1 Test printing 58 receipt</translation>
    </message>
    <message>
        <source>%1 测试打印76小票</source>
        <translation>%1 Test printing of 76 receipt</translation>
    </message>
    <message>
        <source>%1 测试打印80小票</source>
        <translation>%1 Test printing of 80 receipt</translation>
    </message>
    <message>
        <source>%1 测试打印自检页</source>
        <translation>%1 Test printing self-test page</translation>
    </message>
    <message>
        <source>%1 设置打印图片地址:%2 </source>
        <translation>%1 Set the printing image address:%2 </translation>
    </message>
    <message>
        <source>%1 设置打印条码类型:%2 </source>
        <translation>%1 Set barcode printing type:%2 </translation>
    </message>
    <message>
        <source>%1 设置打印条码值:%2 </source>
        <translation>%1 Set the barcode value for printing:%2 </translation>
    </message>
    <message>
        <source>%1 设置测试页:%2 </source>
        <translation>%1 Set test page:%2 </translation>
    </message>
    <message>
        <source>%1 设置打印58小票值:%2 </source>
        <translation>%1 Set printing value for 58 receipts:%2 </translation>
    </message>
    <message>
        <source>%1 设置打印76小票值:%2 </source>
        <translation>%1 Set printing value for 76 receipts:%2 </translation>
    </message>
    <message>
        <source>%1 设置打印80小票值:%2 </source>
        <translation>%1 Set the value of printing 80 receipts:%2 </translation>
    </message>
    <message>
        <source>%1 设置为测试打印图片:%2 </source>
        <translation>%1 Set as test print image:%2 </translation>
    </message>
    <message>
        <source>%1 重置为默认图片</source>
        <translation>%1 Reset to default image</translation>
    </message>
    <message>
        <source>%1 设置测试打印条码 类型: %2 内容: %3 </source>
        <translation>%1 Set test printing barcode type:%2 Content:%3 </translation>
    </message>
    <message>
        <source>%1 重置为默认打印条码</source>
        <translation>%1 Reset to default barcode printing</translation>
    </message>
    <message>
        <source>%1 设置测试页内容</source>
        <translation>%1 Set the content of the test page</translation>
    </message>
    <message>
        <source>%1 重置为默认测试页内容</source>
        <translation>%1 Reset to default test page content</translation>
    </message>
    <message>
        <source>%1 设置为小票打印内容:... 类型:%2</source>
        <translation>%1 Set as receipt printing content: .. Type:%2</translation>
    </message>
    <message>
        <source>%1 重置为默认小票打印:... 类型:%2</source>
        <translation>%1 Reset to default receipt printing: .. Type:%2</translation>
    </message>
    <message>
        <source>%1 蓝牙名称过长 (%2 字节，最多 %3 字节)，未发送</source>
        <translation>%1 Bluetooth name too long (%2 bytes, at most %3 bytes), not sent</translation>
    </message>
    <message>
        <source>%1 蓝牙配对码过长 (%2 字节，最多 %3 字节)，未发送</source>
        <translation>%1 Bluetooth pairing code too long (%2 bytes, at most %3 bytes), not sent</translation>
    </message>
</context>
<context>
    <name>ConfigManager</name>
    <message>
        <source>初始化配置管理器</source>
        <translation>Initialize Configuration Manager</translation>
    </message>
    <message>
        <source>创建配置文件夹: %1</source>
        <translation>Create configuration folder:%1</translation>
    </message>
    <message>
        <source>创建配置文件夹失败: %1</source>
        <translation>Failed to create configuration folder:%1</translation>
    </message>
    <message>
        <source>配置管理器初始化完成</source>
        <translation>Configuration Manager initialization completed</translation>
    </message>
    <message>
        <source>读取打印测试配置文件路径: %1</source>
        <translation>Read print test configuration file path:%1</translation>
    </message>
    <message>
        <source>配置文件不存在，创建默认配置文件: %1</source>
        <translation>The configuration file does not exist, create default configuration file:%1</translation>
    </message>
    <message>
        <source>默认打印测试配置文件创建成功: %1</source>
        <translation>Default print test configuration file created successfully:%1</translation>
    </message>
    <message>
        <source>创建默认打印测试配置文件失败: %1</source>
        <translation>Failed to create default print test configuration file:%1</translation>
    </message>
    <message>
        <source>打印测试配置加载完成</source>
        <translation>Printing test configuration loading completed</translation>
    </message>
    <message>
        <source>条码类型已保存: %1</source>
        <translation>Barcode type saved:%1</translation>
    </message>
    <message>
        <source>条码值已保存: %1</source>
        <translation>Barcode value saved:%1</translation>
    </message>
    <message>
        <source>位图路径已保存: %1</source>
        <translation>The bitmap path has been saved:%1</translation>
    </message>
    <message>
        <source>测试页文本已保存</source>
        <translation>Test page text has been saved</translation>
    </message>
    <message>
        <source>58小票文本已保存</source>
        <translation>58 receipt text has been saved</translation>
    </message>
    <message>
        <source>76小票文本已保存</source>
        <translation>76 receipt text has been saved</translation>
    </message>
    <message>
        <source>80小票文本已保存</source>
        <translation>80 receipt text has been saved</translation>
    </message>
    <message>
        <source>TCP网段已保存: %1</source>
        <translation>TCP segment saved:%1</translation>
    </message>
    <message>
        <source>TCP网段模式已保存: %1</source>
        <translation>TCP network segment mode saved:%1</translation>
    </message>
    <message>
        <source>自定义网段</source>
        <translation>Custom network segment</translation>
    </message>
    <message>
        <source>本机网段</source>
        <translation>Local network segment</translation>
    </message>
    <message>
        <source>当前设备型号已设置为: %1</source>
        <translation>The current device model has been set to:%1</translation>
    </message>
    <message>
        <source>当前设备名称已设置为: %1</source>
        <translation>The current device name has been set to:%1</translation>
    </message>
    <message>
        <source>打印测试配置文件为空或已损坏，重新创建默认配置文件: %1</source>
        <translation>The print test configuration file is empty or damaged, create default configuration file again:%1</translation>
    </message>
    <message>
        <source>损坏的配置文件已备份为: %1</source>
        <translation>The damaged configuration file was kept as:%1</translation>
    </message>
    <message>
        <source>打印测试配置文件缺少或损坏的项已使用默认值: %1</source>
        <translation>Missing or damaged entries of the print test configuration file use their default values:%1</translation>
    </message>
    <message>
        <source>保存配置项失败: %1 (%2)</source>
        <translation>Failed to save the setting:%1 (%2)</translation>
    </message>
    <message>
        <source>设置未能保存，请检查配置文件夹是否可写、磁盘是否已满: %1</source>
        <translation>The setting could not be saved. Check that the configuration folder is writable and the disk is not full:%1</translation>
    </message>
</context>
<context>
    <name>Logger</name>
    <message>
        <source>应用程序启动
</source>
        <translation>applications starting
</translation>
    </message>
    <message>
        <source>日志目录创建成功:</source>
        <translation>Log directory created successfully:</translation>
    </message>
    <message>
        <source>无法创建日志目录:</source>
        <translation>Unable to create log directory:</translation>
    </message>
    <message>
        <source>日志文件创建成功: %1</source>
        <translation>Log file created successfully:%1</translation>
    </message>
    <message>
        <source>无法创建日志文件:</source>
        <translation>Unable to create log file:</translation>
    </message>
    <message>
        <source>日期变更，切换到新的日志文件</source>
        <translation>Date change, switch to new log file</translation>
    </message>
    <message>
        <source>日志文件大小达到限制 (%1 MB)，创建新文件</source>
        <translation>The log file size has reached the limit (%1 MB), create a new file</translation>
    </message>
    <message>
        <source>日志级别设置为: %1</source>
        <translation>Log level set to:%1</translation>
    </message>
    <message>
        <source>无法创建目录:</source>
        <translation>Unable to create directory:</translation>
    </message>
    <message>
        <source>无法打开文件进行写入:</source>
        <translation>Unable to open file for writing:</translation>
    </message>
    <message>
        <source>日志保存成功:</source>
        <translation>Log saved successfully:</translation>
    </message>
</context>
<context>
    <name>NetworkForm</name>
    <message>
        <source>网络设置已发送到 %1，打印机回应: HTTP %2</source>
        <translation>Network settings sent to %1, printer answered: HTTP %2</translation>
    </message>
    <message>
        <source>网络设置发送到 %1 失败: %2</source>
        <translation>Sending network settings to %1 failed: %2</translation>
    </message>
</context>
<context>
    <name>PrintDriverManager</name>
    <message>
        <source>打印机名称为空</source>
        <translation>Printer name is empty</translation>
    </message>
    <message>
        <source>打印机不可用: </source>
        <translation>Printer not available: </translation>
    </message>
    <message>
        <source>无法打开打印机: %1</source>
        <translation>Unable to open printer: %1</translation>
    </message>
    <message>
        <source>发送数据到打印机失败</source>
        <translation>Failed to send data to the printer</translation>
    </message>
    <message>
        <source>未选择打印机</source>
        <translation>No printer selected</translation>
    </message>
    <message>
        <source>打印内容为空</source>
        <translation>Print content is empty</translation>
    </message>
</context>
<context>
    <name>QAbstractSocket</name>
    <message>
        <source>Host not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socket operation timed out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QmlLanguage</name>
    <message>
        <source>创建配置文件夹: %1</source>
        <translation>Create configuration folder:%1</translation>
    </message>
    <message>
        <source>创建配置文件夹失败: %1</source>
        <translation>Failed to create configuration folder:%1</translation>
    </message>
    <message>
        <source>配置文件不存在，创建默认配置文件: %1</source>
        <translation>The configuration file does not exist, create default configuration file:%1</translation>
    </message>
    <message>
        <source>默认配置文件创建成功: %1</source>
        <translation>Default configuration file created successfully:%1</translation>
    </message>
    <message>
        <source>创建默认配置文件失败: %1</source>
        <translation>Failed to create default configuration file:%1</translation>
    </message>
    <message>
        <source>读取配置文件路径: %1</source>
        <translation>Read configuration file path:%1</translation>
    </message>
    <message>
        <source>空</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>从配置文件读取到语言代码: %1</source>
        <translation>Read language code from configuration file:%1</translation>
    </message>
    <message>
        <source>应用程序基础目录: %1</source>
        <translation>Application base directory:%1</translation>
    </message>
    <message>
        <source>成功加载中文翻译文件</source>
        <translation>Successfully loaded Chinese translation file</translation>
    </message>
    <message>
        <source>成功加载英文翻译文件</source>
        <translation>Successfully loaded English translation file</translation>
    </message>
    <message>
        <source>未识别的语言代码: %1，使用默认语言</source>
        <translation>Unrecognized language code:%1, using default language</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>English</translation>
    </message>
    <message>
        <source>英文(默认)</source>
        <translation>English (default)</translation>
    </message>
    <message>
        <source>语言切换: %1</source>
        <translation>Language switch:%1</translation>
    </message>
    <message>
        <source>设置语言到配置文件: %1</source>
        <translation>Set language to configuration file:%1</translation>
    </message>
    <message>
        <source>配置文件路径: %1</source>
        <translation>Configuration file path:%1</translation>
    </message>
    <message>
        <source>语言设置已保存到配置文件: %1</source>
        <translation>Language settings saved to configuration file:%1</translation>
    </message>
    <message>
        <source>应用程序将重启以应用新的语言设置</source>
        <translation>The application will restart to apply the new language settings</translation>
    </message>
    <message>
        <source>新应用实例启动成功，当前应用即将退出</source>
        <translation>The new application instance has been successfully launched, and the current application is about to exit</translation>
    </message>
    <message>
        <source>重启应用失败，请手动重启应用程序</source>
        <translation>Failed to restart the application, please manually restart the application</translation>
    </message>
    <message>
        <source>主窗口已隐藏，准备重启应用</source>
        <translation>The main window is hidden, ready to restart the application</translation>
    </message>
    <message>
        <source>CodePageSelect已保存到配置文件: %1</source>
        <translation>CodePageSelect has been saved to configuration file:%1</translation>
    </message>
    <message>
        <source>配置文件为空或已损坏，重新创建默认配置文件: %1</source>
        <translation>The configuration file is empty or damaged, create default configuration file again:%1</translation>
    </message>
    <message>
        <source>损坏的配置文件已备份为: %1</source>
        <translation>The damaged configuration file was kept as:%1</translation>
    </message>
    <message>
        <source>保存配置项失败: %1 (%2)</source>
        <translation>Failed to save the setting:%1 (%2)</translation>
    </message>
</context>
<context>
    <name>RawHttpGet</name>
    <message>
        <source>无效URL</source>
        <translation>Invalid URL</translation>
    </message>
    <message>
        <source>缺少主机名</source>
        <translation>Missing host name</translation>
    </message>
</context>
<context>
    <name>RealTimeStatusForm</name>
    <message>
        <source>打印机状态:
</source>
        <translation>Printer status:
</translation>
    </message>
    <message>
        <source>两个钱箱都关闭</source>
        <translation>Both cash boxes are closed</translation>
    </message>
    <message>
        <source>一个或两个钱箱打开</source>
        <translation>Open one or two cash boxes</translation>
    </message>
    <message>
        <source>脱机</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>联机</source>
        <translation>online</translation>
    </message>
    <message>
        <source>脱机状态:
</source>
        <translation>Offline status:
</translation>
    </message>
    <message>
        <source>上盖开</source>
        <translation>Open the lid</translation>
    </message>
    <message>
        <source>上盖关</source>
        <translation>Close the lid</translation>
    </message>
    <message>
        <source>按下走纸键</source>
        <translation>Press the paper feed button</translation>
    </message>
    <message>
        <source>未按走纸键</source>
        <translation>Not pressing the paper feed button</translation>
    </message>
    <message>
        <source>打印机缺纸</source>
        <translation>printer out of paper</translation>
    </message>
    <message>
        <source>打印机不缺纸</source>
        <translation>The printer is not short of paper</translation>
    </message>
    <message>
        <source>有错误情况</source>
        <translation>There is an error situation</translation>
    </message>
    <message>
        <source>没有出错情况</source>
        <translation>No error occurred</translation>
    </message>
    <message>
        <source>错误状态:
</source>
        <translation>ErrorState:
</translation>
    </message>
    <message>
        <source>切刀有错误</source>
        <translation>The cutting blade has an error</translation>
    </message>
    <message>
        <source>切刀无错误</source>
        <translation>The cutting blade is error free</translation>
    </message>
    <message>
        <source>有不可恢复错误</source>
        <translation>There is an unrecoverable error</translation>
    </message>
    <message>
        <source>无不可恢复错误</source>
        <translation>No unrecoverable errors</translation>
    </message>
    <message>
        <source>打印头温度或电压超出范围</source>
        <translation>Print head temperature or voltage exceeds the range</translation>
    </message>
    <message>
        <source>打印头温度和电压正常</source>
        <translation>The print head temperature and voltage are normal</translation>
    </message>
    <message>
        <source>传送纸状态:
</source>
        <translation>ConveyorPaperStatus:
</translation>
    </message>
    <message>
        <source>纸尽</source>
        <translation>Paper is exhausted</translation>
    </message>
    <message>
        <source>有纸</source>
        <translation>There is paper</translation>
    </message>
</context>
<context>
    <name>ScanWorker</name>
    <message>
        <source>try to connect :%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[第二次搜索] try to connect :%1</source>
        <translation>[Second search] try to connect:%1</translation>
    </message>
    <message>
        <source>%1 connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[第二次搜索] %1 connected!</source>
        <translation>[Second search] %1 connected!</translation>
    </message>
    <message>
        <source>IP: %1 arp:msg: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP: %1 destMac: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[第二次搜索] IP: %1 destMac: %2</source>
        <translation>[Second search] IP:%1 destMac:%2</translation>
    </message>
    <message>
        <source>get url: %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort request after timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fetch failed : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知型号，开始使用nbtstat 搜索</source>
        <translation>Unknown model, start searching using nbtstat</translation>
    </message>
    <message>
        <source>上次搜索到设备但本次未找到，可能是搜索异常，准备重新搜索...</source>
        <translation>The device was found last time but not this time, which may be due to search abnormalities. We are preparing to search again ...</translation>
    </message>
    <message>
        <source>本次搜索结果与上次不一致，可能是搜索异常，准备重新搜索...</source>
        <translation>The results of this search are inconsistent with the previous one, which may be due to search anomalies. We are preparing to conduct a new search ...</translation>
    </message>
    <message>
        <source>本次搜索完成，共发现 %1 个设备</source>
        <translation>This search has been completed, and a total of %1 devices were found</translation>
    </message>
    <message>
        <source>开始第二次搜索...</source>
        <translation>Start the second search ...</translation>
    </message>
    <message>
        <source>第二次搜索结果不如第一次，使用第一次结果（%1 个）</source>
        <translation>The second search results were not as good as the first, using the first search results (%1)</translation>
    </message>
    <message>
        <source>第二次搜索完成，发现 %1 个设备（第一次: %2 个）</source>
        <translation>Second search completed, found %1 devices (first time:%2)</translation>
    </message>
    <message>
        <source>未能获取完整的设备信息</source>
        <translation>Could not obtain complete device information</translation>
    </message>
    <message>
        <source> (MAC地址获取失败)</source>
        <translation> (failed to get the MAC address)</translation>
    </message>
    <message>
        <source> (设备名称获取失败)</source>
        <translation> (failed to get the device name)</translation>
    </message>
    <message>
        <source>htmlContent: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过 nativeColorPicker 判断型号: KVZ-L7N</source>
        <translation>Determine model KVZ-L7N through native ColorPicker</translation>
    </message>
    <message>
        <source>通过 configureNetwork 判断型号: KVZ-L7N</source>
        <translation>Determine the model through configurationNetwork: KVZ-L7N</translation>
    </message>
    <message>
        <source>通过 rgbToHex 判断型号: KVZ-L7N</source>
        <translation>Determine the model through rgbToHex: KVZ-L7N</translation>
    </message>
</context>
<context>
    <name>SerialPortManager</name>
    <message>
        <source>奇校验</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>串口已经连接</source>
        <translation>The serial port has been connected</translation>
    </message>
    <message>
        <source>串口连接失败: </source>
        <translation>Serial port connection failed: </translation>
    </message>
    <message>
        <source>设置波特率失败: </source>
        <translation>Failed to set baud rate: </translation>
    </message>
    <message>
        <source>设置数据位失败: </source>
        <translation>Failed to set data bit: </translation>
    </message>
    <message>
        <source>设置停止位失败: </source>
        <translation>Failed to set stopBits: </translation>
    </message>
    <message>
        <source>设置校验位失败: </source>
        <translation>Failed to set Parity: </translation>
    </message>
    <message>
        <source>设置流控制失败: </source>
        <translation>Failed to set FlowControl: </translation>
    </message>
    <message>
        <source>串口连接成功:%1 波特率:%2  </source>
        <translation>Serial port connection successful:%1 Baud rate:%2  </translation>
    </message>
    <message>
        <source>串口已断开连接</source>
        <translation>The serial port has been disconnected</translation>
    </message>
    <message>
        <source>刷新缓冲区失败</source>
        <translation>Refresh buffer failed</translation>
    </message>
    <message>
        <source>串口未连接</source>
        <translation>Serial port not connected</translation>
    </message>
    <message>
        <source>发送数据失败: </source>
        <translation>Sending data failed: </translation>
    </message>
    <message>
        <source>数据发送不完整</source>
        <translation>Incomplete data transmission</translation>
    </message>
    <message>
        <source>无效的十六进制数据</source>
        <translation>Invalid hexadecimal data</translation>
    </message>
    <message>
        <source>发送十六进制数据失败: </source>
        <translation>Sending hexadecimal data failed: </translation>
    </message>
    <message>
        <source>十六进制数据发送不完整</source>
        <translation>Incomplete transmission of hexadecimal data</translation>
    </message>
    <message>
        <source>找不到设备</source>
        <translation>Device not found</translation>
    </message>
    <message>
        <source>权限不足</source>
        <translation>Insufficient permissions</translation>
    </message>
    <message>
        <source>设备已打开或打开失败</source>
        <translation>The device has been opened or failed to open</translation>
    </message>
    <message>
        <source>写入数据失败</source>
        <translation>Writing data failed</translation>
    </message>
    <message>
        <source>读取数据失败</source>
        <translation>Failed to read data</translation>
    </message>
    <message>
        <source>资源错误，设备可能已被移除</source>
        <translation>Resource error, device may have been removed</translation>
    </message>
    <message>
        <source>不支持的操作</source>
        <translation>Unsupported operation</translation>
    </message>
    <message>
        <source>操作超时</source>
        <translation>Operation timeout</translation>
    </message>
    <message>
        <source>设备未打开</source>
        <translation>Device not turned on</translation>
    </message>
    <message>
        <source>未知错误: </source>
        <translation>Unknown error: </translation>
    </message>
</context>
<context>
    <name>TcpDeviceManager</name>
    <message>
        <source>TCP发出数据 %1 </source>
        <translation>TCP sends data %1 </translation>
    </message>
    <message>
        <source>连接主机ip: %1 端口: %2 成功</source>
        <translation>Successfully connected to host IP:%1 Port:%2</translation>
    </message>
    <message>
        <source>连接主机ip: %1 失败</source>
        <translation>Failed to connect to host IP:%1</translation>
    </message>
    <message>
        <source>断开主机ip: %1 </source>
        <translation>Disconnect host IP:%1 </translation>
    </message>
    <message>
        <source>TCP 设备搜索到设备 ip:%1 mac:%2 name:%3</source>
        <translation>TCP device found device IP:%1 Mac:%2 Name:%3</translation>
    </message>
    <message>
        <source>TCP 设备搜索完成</source>
        <translation>TCP device search completed</translation>
    </message>
</context>
<context>
    <name>USBDeviceManager</name>
    <message>
        <source>USB数据发送失败</source>
        <translation>USB data transmission failed</translation>
    </message>
    <message>
        <source>USB收到的数据 %1 </source>
        <translation>USB received data %1 </translation>
    </message>
    <message>
        <source>连接USB设备: %1 失败</source>
        <translation>Connect USB devices: %1 failure</translation>
    </message>
    <message>
        <source>连接USB设备: %1 成功</source>
        <translation>Connecting USB device:%1 successful</translation>
    </message>
    <message>
        <source>断开USB设备: %1 </source>
        <translation>Disconnect USB device: %1 </translation>
    </message>
    <message>
        <source>USB设备搜索完成</source>
        <translation>USB device search completed</translation>
    </message>
    <message>
        <source>USB发出数据 %1 </source>
        <translation>USB sends data %1 </translation>
    </message>
    <message>
        <source>SendAsync 发送失败</source>
        <translation>SendAsync Failed to send</translation>
    </message>
    <message>
        <source>发送超时</source>
        <translation>Send timeout</translation>
    </message>
    <message>
        <source>重新连接USB设备 %1 </source>
        <translation>Reconnect USB device %1 </translation>
    </message>
    <message>
        <source>usb设备 %1 断开!</source>
        <translation>USB device %1 disconnected!</translation>
    </message>
</context>
<context>
    <name>USBPrinterController</name>
    <message>
        <source>USB发出数据 %1 </source>
        <translation>USB sends data %1 </translation>
    </message>
    <message>
        <source>发送出现错误</source>
        <translation>Sending error occurred</translation>
    </message>
    <message>
        <source>USB读取错误: %1</source>
        <translation>USB read error:%1</translation>
    </message>
    <message>
        <source>USB写入错误: %1</source>
        <translation>USB write error:%1</translation>
    </message>
</context>
<context>
    <name>USBReadWorker</name>
    <message>
        <source>读取错误: %1</source>
        <translation>Read error:%1</translation>
    </message>
</context>
<context>
    <name>USBWriteWorker</name>
    <message>
        <source>写入错误: %1</source>
        <translation>Write error:%1</translation>
    </message>
</context>
</TS>
