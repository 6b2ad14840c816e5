<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>AboutButton</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>AddDeviceDialog</name>
    <message>
        <source>添加TCP设备</source>
        <translation>Add TCP device</translation>
    </message>
    <message>
        <source>连接成功!</source>
        <translation>Connection successful!</translation>
    </message>
    <message>
        <source>连接失败!</source>
        <translation>Connection failed!</translation>
    </message>
    <message>
        <source>正在测试连接...</source>
        <translation>Testing connection...</translation>
    </message>
    <message>
        <source>IP地址:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Mac:</source>
        <translation>MAC:</translation>
    </message>
    <message>
        <source>设备名称:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>测试连接</source>
        <translation>Test connection</translation>
    </message>
    <message>
        <source>添加到列表</source>
        <translation>Add to list</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>BarCodeForm</name>
    <message>
        <source>请先编辑条码数据，再打印</source>
        <translation>Please edit the barcode data before printing</translation>
    </message>
    <message>
        <source>一维码模式</source>
        <translation>1D barcode mode</translation>
    </message>
    <message>
        <source>二维码模式</source>
        <translation>2D code mode</translation>
    </message>
    <message>
        <source>一维码</source>
        <translation>1D barcodes</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>HRI位置:</source>
        <translation>HRI position:</translation>
    </message>
    <message>
        <source>不打印</source>
        <translation>Not printed</translation>
    </message>
    <message>
        <source>条码上方</source>
        <translation>Above</translation>
    </message>
    <message>
        <source>条码下方</source>
        <translation>Below</translation>
    </message>
    <message>
        <source>条码上、下方</source>
        <translation>Above and below</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>HRI字体:</source>
        <translation>HRI font:</translation>
    </message>
    <message>
        <source>标准ASCII码字符(12x24)</source>
        <translation>Standard ASCII font (12x24)</translation>
    </message>
    <message>
        <source>压缩ASCII码字符(9x17)</source>
        <translation>Compressed ASCII font (9x17)</translation>
    </message>
    <message>
        <source>HRI条码大小:</source>
        <translation>Barcode size:</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>More</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Magnification</translation>
    </message>
    <message>
        <source>纠错级别</source>
        <translation>Error correction level</translation>
    </message>
    <message>
        <source>二维码内容</source>
        <translation>2D code content</translation>
    </message>
    <message>
        <source>字符数量: </source>
        <translation>Characters: </translation>
    </message>
    <message>
        <source>生成预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview image</translation>
    </message>
</context>
<context>
    <name>BarcodeRules</name>
    <message>
        <source>输入不能为空</source>
        <translation>Input cannot be empty</translation>
    </message>
    <message>
        <source>只能输入数字</source>
        <translation>Only digits can be entered</translation>
    </message>
    <message>
        <source>请输入偶数个</source>
        <translation>Please enter an even number of digits</translation>
    </message>
    <message>
        <source>请输入%1或者%2位数字</source>
        <translation>Please enter %1 or %2 digits</translation>
    </message>
    <message>
        <source>包含无效字符</source>
        <translation>Contains invalid characters</translation>
    </message>
    <message>
        <source>最多%1个字符</source>
        <translation>At most %1 characters</translation>
    </message>
    <message>
        <source>请先编辑条码数据，再打印</source>
        <translation>Please edit the barcode data before printing</translation>
    </message>
    <message>
        <source>条码内容不符合%1的要求，未发送</source>
        <translation>The content does not meet the requirements of %1; nothing was sent</translation>
    </message>
    <message>
        <source>校验位应为 %1</source>
        <translation>The check digit should be %1</translation>
    </message>
</context>
<context>
    <name>BaseDeviceManager</name>
    <message>
        <source>%1 蜂鸣器设置:次数 %2 持续: %3 </source>
        <translation>%1 buzzer: times: %2 duration: %3 </translation>
    </message>
    <message>
        <source>%1 蜂鸣器闪灯设置 次数: %2 间隔: %3 模式: %4</source>
        <translation>%1 buzzer and lamp: times: %2 interval: %3 mode: %4</translation>
    </message>
    <message>
        <source>%1 切刀设置 模式: %2 进纸长度: %3 </source>
        <translation>%1 cutter: mode: %2 feed length: %3 </translation>
    </message>
    <message>
        <source>%1 获取打印机状态</source>
        <translation>%1 asks for the printer status</translation>
    </message>
    <message>
        <source>%1 获取脱机状态</source>
        <translation>%1 asks for the offline status</translation>
    </message>
    <message>
        <source>%1 获取错误状态</source>
        <translation>%1 asks for the error status</translation>
    </message>
    <message>
        <source>%1 获取传送纸状态</source>
        <translation>%1 asks for the paper status</translation>
    </message>
    <message>
        <source>%1 钱箱控制设置 引脚: %2 高电平时间: %3 低电平时间: %4</source>
        <translation>%1 drawer pulse: pin: %2 high time: %3 low time: %4</translation>
    </message>
    <message>
        <source>%1 钱箱打开控制 引脚: %2 高低电平时间: %3 </source>
        <translation>%1 drawer opening pulse: pin: %2 high and low time: %3 </translation>
    </message>
    <message>
        <source>%1 工作模式初始化打印机</source>
        <translation>%1 working mode: initialise the printer</translation>
    </message>
    <message>
        <source>%1 工作模式打印并换行 hex: %2 内容: %3 </source>
        <translation>%1 working mode: print and line feed hex: %2 content: %3 </translation>
    </message>
    <message>
        <source>%1 工作模式打印并走纸移动单位 hex: %2 内容: %3 走纸距离: %4</source>
        <translation>%1 working mode: print and feed by motion units hex: %2 content: %3 feed distance: %4</translation>
    </message>
    <message>
        <source>%1 工作模式打印并走纸英寸 hex: %2 内容: %3 行数: %4</source>
        <translation>%1 working mode: print and feed lines hex: %2 content: %3 lines: %4</translation>
    </message>
    <message>
        <source>%1 工作模式设置默认行间距</source>
        <translation>%1 working mode: default line spacing</translation>
    </message>
    <message>
        <source>%1 工作模式设置行间距 行间距: %2  </source>
        <translation>%1 working mode: line spacing: %2  </translation>
    </message>
    <message>
        <source>%1 工作模式设置输入框代码页: %2  </source>
        <translation>%1 working mode: code page of the text: %2  </translation>
    </message>
    <message>
        <source>%1 位图加载[%2/%3] 图片路径: %4  </source>
        <translation>%1 loading bitmap [%2/%3] picture: %4  </translation>
    </message>
    <message>
        <source>%1 设置图像</source>
        <translation>%1 set images</translation>
    </message>
    <message>
        <source>%1 位图设置 模式: %2 logo序号: %3 </source>
        <translation>%1 print bitmap: mode: %2 logo number: %3 </translation>
    </message>
    <message>
        <source>%1 条码upc-a打印 内容: %2  </source>
        <translation>%1 print UPC-A barcode: content: %2  </translation>
    </message>
    <message>
        <source>%1 条码upc-e打印 内容: %2  </source>
        <translation>%1 print UPC-E barcode: content: %2  </translation>
    </message>
    <message>
        <source>%1 条码strJAN13打印 内容: %2  </source>
        <translation>%1 print JAN13 (EAN-13) barcode: content: %2  </translation>
    </message>
    <message>
        <source>%1 条码JAN8打印 内容: %2  </source>
        <translation>%1 print JAN8 (EAN-8) barcode: content: %2  </translation>
    </message>
    <message>
        <source>%1 条码CODE39打印 内容: %2  </source>
        <translation>%1 print CODE39 barcode: content: %2  </translation>
    </message>
    <message>
        <source>%1 条码ITF打印 内容: %2  </source>
        <translation>%1 print ITF barcode: content: %2  </translation>
    </message>
    <message>
        <source>%1 条码CODABAR打印 内容: %2  </source>
        <translation>%1 print CODABAR barcode: content: %2  </translation>
    </message>
    <message>
        <source>%1 条码strCODE93打印 内容: %2  </source>
        <translation>%1 print CODE93 barcode: content: %2  </translation>
    </message>
    <message>
        <source>%1 条码CODE128打印 内容: %2  </source>
        <translation>%1 print CODE128 barcode: content: %2  </translation>
    </message>
    <message>
        <source>%1 条码Hri位置设置 位置: %2  </source>
        <translation>%1 barcode HRI position: %2  </translation>
    </message>
    <message>
        <source>%1 条码HRI字体 字体: %2  </source>
        <translation>%1 barcode HRI font: %2  </translation>
    </message>
    <message>
        <source>%1 条码大小 宽度: %2 高度: %3 </source>
        <translation>%1 barcode size: width: %2 height: %3 </translation>
    </message>
    <message>
        <source>%1 设置二维码类型: %2</source>
        <translation>%1 2D code type: %2</translation>
    </message>
    <message>
        <source>%1 更多条码: %2 内容: %3 </source>
        <translation>%1 more barcodes: %2 content: %3 </translation>
    </message>
    <message>
        <source>%1 打印二维码 放大倍数: %2 纠错级别: %3 内容: %4</source>
        <translation>%1 print QR code: magnification: %2 error correction level: %3 content: %4</translation>
    </message>
    <message>
        <source>%1 待机灯种类 模式: %2 </source>
        <translation>%1 standby lamp pattern: %2 </translation>
    </message>
    <message>
        <source>%1 工作灯 R: %2 G: %3 B: %4</source>
        <translation>%1 work lamp R: %2 G: %3 B: %4</translation>
    </message>
    <message>
        <source>%1 缺纸灯 R: %2 G: %3 B: %4</source>
        <translation>%1 paper-out lamp R: %2 G: %3 B: %4</translation>
    </message>
    <message>
        <source>%1 卡刀灯 R: %2 G: %3 B: %4</source>
        <translation>%1 cutter jam lamp R: %2 G: %3 B: %4</translation>
    </message>
    <message>
        <source>%1 过热灯 R: %2 G: %3 B: %4</source>
        <translation>%1 overheat lamp R: %2 G: %3 B: %4</translation>
    </message>
    <message>
        <source>%1 待机灯常亮 R: %2 G: %3 B: %4</source>
        <translation>%1 standby lamp steady R: %2 G: %3 B: %4</translation>
    </message>
    <message>
        <source>%1 启用中文设置 选择: %2 </source>
        <translation>%1 enable Chinese: %2 </translation>
    </message>
    <message>
        <source>%1 倍宽、倍高、下划线 倍宽: %2 倍高: %3 下划线: %4</source>
        <translation>%1 Chinese character mode: double width: %2 double height: %3 underline: %4</translation>
    </message>
    <message>
        <source>%1 设置左右间距 左间距: %2 右间距: %3 </source>
        <translation>%1 Chinese character spacing: left: %2 right: %3 </translation>
    </message>
    <message>
        <source>%1 国际字符集设置 选择: %2 </source>
        <translation>%1 international character set: %2 </translation>
    </message>
    <message>
        <source>%1 设置打印模式 选择: %2 </source>
        <translation>%1 print mode: %2 </translation>
    </message>
    <message>
        <source>%1 设置蜂鸣器开关 选择: %2 </source>
        <translation>%1 buzzer switch: %2 </translation>
    </message>
    <message>
        <source>%1 设置切刀开关 选择: %2 </source>
        <translation>%1 cutter switch: %2 </translation>
    </message>
    <message>
        <source>%1 设置错误蜂鸣类型 选择: %2 </source>
        <translation>%1 error beep type: %2 </translation>
    </message>
    <message>
        <source>%1 对齐方式设置 选择: %2 </source>
        <translation>%1 alignment: %2 </translation>
    </message>
    <message>
        <source>%1 顺时针旋转90度设置 选择: %2 </source>
        <translation>%1 rotate 90° clockwise: %2 </translation>
    </message>
    <message>
        <source>%1 倒置打印设置 选择: %2 </source>
        <translation>%1 upside-down printing: %2 </translation>
    </message>
    <message>
        <source>%1 字符设置 宽: %2 高: %3 </source>
        <translation>%1 character size: width: %2 height: %3 </translation>
    </message>
    <message>
        <source>%1 黑白反显设置 选择: %2 </source>
        <translation>%1 reverse printing: %2 </translation>
    </message>
    <message>
        <source>%1 边距设置 边距低: %2 边距高: %3 </source>
        <translation>%1 left margin: low byte: %2 high byte: %3 </translation>
    </message>
    <message>
        <source>%1 打印区域宽度设置 宽度低: %2 宽度高: %3 </source>
        <translation>%1 print area width: low byte: %2 high byte: %3 </translation>
    </message>
    <message>
        <source>%1 设置横向和纵向移动单位 横向: %2 纵向: %3 </source>
        <translation>%1 motion units: horizontal: %2 vertical: %3 </translation>
    </message>
    <message>
        <source>%1 稠度微调设置 值: %2 </source>
        <translation>%1 density fine adjustment: %2 </translation>
    </message>
    <message>
        <source>%1 纸张大小 值: %2 </source>
        <translation>%1 paper size: %2 </translation>
    </message>
    <message>
        <source>%1 纸张间隙 : %2 </source>
        <translation>%1 paper gap: %2 </translation>
    </message>
    <message>
        <source>%1 打印速度设置 值: %2 </source>
        <translation>%1 print speed: %2 </translation>
    </message>
    <message>
        <source>%1 启用切刀蜂鸣钱箱设置 切刀: %2 蜂鸣: %3 钱箱: %4</source>
        <translation>%1 peripherals: cutter: %2 buzzer: %3 cash drawer: %4</translation>
    </message>
    <message>
        <source>%1 设置机器型号 : %2 </source>
        <translation>%1 machine model: %2 </translation>
    </message>
    <message>
        <source>%1 设置USB升级模式</source>
        <translation>%1 USB upgrade mode</translation>
    </message>
    <message>
        <source>%1 恢复出厂设置</source>
        <translation>%1 restore factory settings</translation>
    </message>
    <message>
        <source>%1 设置字符右间距 英寸: %2 </source>
        <translation>%1 character right spacing: %2 </translation>
    </message>
    <message>
        <source>%1 选择打印模式 Asc2: %2 加粗: %3 倍宽: %4 倍高: %5 下划线: %6</source>
        <translation>%1 print mode: ASCII font: %2 bold: %3 double width: %4 double height: %5 underline: %6</translation>
    </message>
    <message>
        <source>%1 用户自定义字符 选择: %2 </source>
        <translation>%1 user-defined characters: %2 </translation>
    </message>
    <message>
        <source>%1 自定义字符单个打印 选择: %2 </source>
        <translation>%1 print one user-defined character: %2 </translation>
    </message>
    <message>
        <source>%1 自定义字符单个删除 字符: %2 </source>
        <translation>%1 delete one user-defined character: %2 </translation>
    </message>
    <message>
        <source>%1 自定义字符设置 字符: %2 </source>
        <translation>%1 define user-defined character: %2 </translation>
    </message>
    <message>
        <source>%1 更多设置-tcp模式以太网设置 IP: %2  Mask: %3  Gateway: %4  dhcp: %5  beep: %6  cut: %7  beepType: %8  printMode: %9  density: %10 </source>
        <translation>%1 more settings, Ethernet over TCP: IP: %2  mask: %3  gateway: %4  DHCP: %5  beep: %6  cut: %7  beep type: %8  print mode: %9  density: %10 </translation>
    </message>
    <message>
        <source>%1 更多设置 点击</source>
        <translation>%1 more settings clicked</translation>
    </message>
    <message>
        <source>%1 查询蓝牙地址  </source>
        <translation>%1 query Bluetooth address  </translation>
    </message>
    <message>
        <source>%1 查询蓝牙名称  </source>
        <translation>%1 query Bluetooth name  </translation>
    </message>
    <message>
        <source>%1 查询蓝牙配对码  </source>
        <translation>%1 query Bluetooth pairing code  </translation>
    </message>
    <message>
        <source>%1 设置蓝牙名称 : %2 </source>
        <translation>%1 set Bluetooth name: %2 </translation>
    </message>
    <message>
        <source>%1 设置蓝牙配对码 : %2 </source>
        <translation>%1 set Bluetooth pairing code: %2 </translation>
    </message>
    <message>
        <source>%1 查询打印指令集</source>
        <translation>%1 query command set</translation>
    </message>
    <message>
        <source>%1 设置打印指令集 : %2 </source>
        <translation>%1 set command set: %2 </translation>
    </message>
    <message>
        <source>%1 查询纸张类型</source>
        <translation>%1 query paper type</translation>
    </message>
    <message>
        <source>%1 设置纸张类型 : %2 </source>
        <translation>%1 set paper type: %2 </translation>
    </message>
    <message>
        <source>%1 查询打印速度模式</source>
        <translation>%1 query print speed</translation>
    </message>
    <message>
        <source>%1 设置打印速度模式 : %2 </source>
        <translation>%1 set print speed: %2 </translation>
    </message>
    <message>
        <source>%1 查询打印浓度模式</source>
        <translation>%1 query print density</translation>
    </message>
    <message>
        <source>%1 设置打印浓度模式 : %2 </source>
        <translation>%1 set print density: %2 </translation>
    </message>
    <message>
        <source>%1 查询字符集</source>
        <translation>%1 query character set</translation>
    </message>
    <message>
        <source>%1 设置字符集 : %2 </source>
        <translation>%1 set character set: %2 </translation>
    </message>
    <message>
        <source>%1 设置波特率 : %2 </source>
        <translation>%1 set baud rate: %2 </translation>
    </message>
    <message>
        <source>%1 查询波特率</source>
        <translation>%1 query baud rate</translation>
    </message>
    <message>
        <source>%1 设置数据位 : %2 </source>
        <translation>%1 set data bits: %2 </translation>
    </message>
    <message>
        <source>%1 查询数据位</source>
        <translation>%1 query data bits</translation>
    </message>
    <message>
        <source>%1 设置校验位 : %2 </source>
        <translation>%1 set parity: %2 </translation>
    </message>
    <message>
        <source>%1 查询校验位</source>
        <translation>%1 query parity</translation>
    </message>
    <message>
        <source>%1 设置停止位 : %2 </source>
        <translation>%1 set stop bits: %2 </translation>
    </message>
    <message>
        <source>%1 查询停止位</source>
        <translation>%1 query stop bits</translation>
    </message>
    <message>
        <source>%1 测试打印图片</source>
        <translation>%1 test print: picture</translation>
    </message>
    <message>
        <source>%1 测试打印条码</source>
        <translation>%1 test print: barcode</translation>
    </message>
    <message>
        <source>%1 测试打印测试页</source>
        <translation>%1 test print: test page</translation>
    </message>
    <message>
        <source>%1 测试打印58小票</source>
        <translation>%1 test print: 58 mm receipt</translation>
    </message>
    <message>
        <source>%1 测试打印76小票</source>
        <translation>%1 test print: 76 mm receipt</translation>
    </message>
    <message>
        <source>%1 测试打印80小票</source>
        <translation>%1 test print: 80 mm receipt</translation>
    </message>
    <message>
        <source>%1 测试打印自检页</source>
        <translation>%1 test print: self-test page</translation>
    </message>
    <message>
        <source>%1 设置打印图片地址:%2 </source>
        <translation>%1 picture to print: %2 </translation>
    </message>
    <message>
        <source>%1 设置打印条码类型:%2 </source>
        <translation>%1 barcode type to print: %2 </translation>
    </message>
    <message>
        <source>%1 设置打印条码值:%2 </source>
        <translation>%1 barcode value to print: %2 </translation>
    </message>
    <message>
        <source>%1 设置测试页:%2 </source>
        <translation>%1 test page: %2 </translation>
    </message>
    <message>
        <source>%1 设置打印58小票值:%2 </source>
        <translation>%1 58 mm receipt to print: %2 </translation>
    </message>
    <message>
        <source>%1 设置打印76小票值:%2 </source>
        <translation>%1 76 mm receipt to print: %2 </translation>
    </message>
    <message>
        <source>%1 设置打印80小票值:%2 </source>
        <translation>%1 80 mm receipt to print: %2 </translation>
    </message>
    <message>
        <source>%1 设置为测试打印图片:%2 </source>
        <translation>%1 set as test print picture: %2 </translation>
    </message>
    <message>
        <source>%1 重置为默认图片</source>
        <translation>%1 reset to the default picture</translation>
    </message>
    <message>
        <source>%1 设置测试打印条码 类型: %2 内容: %3 </source>
        <translation>%1 set test print barcode: type: %2 content: %3 </translation>
    </message>
    <message>
        <source>%1 重置为默认打印条码</source>
        <translation>%1 reset to the default barcode</translation>
    </message>
    <message>
        <source>%1 设置测试页内容</source>
        <translation>%1 set the test page content</translation>
    </message>
    <message>
        <source>%1 重置为默认测试页内容</source>
        <translation>%1 reset to the default test page content</translation>
    </message>
    <message>
        <source>%1 设置为小票打印内容:... 类型:%2</source>
        <translation>%1 set the receipt to print: ... type: %2</translation>
    </message>
    <message>
        <source>%1 重置为默认小票打印:... 类型:%2</source>
        <translation>%1 reset to the default receipt: ... type: %2</translation>
    </message>
    <message>
        <source>%1 未连接打印机，命令未执行</source>
        <translation>%1 no printer connected, command not carried out</translation>
    </message>
    <message>
        <source>%1 蓝牙名称过长 (%2 字节，最多 %3 字节)，未发送</source>
        <translation>%1 Bluetooth name too long (%2 bytes, at most %3 bytes), not sent</translation>
    </message>
    <message>
        <source>%1 蓝牙配对码过长 (%2 字节，最多 %3 字节)，未发送</source>
        <translation>%1 Bluetooth pairing code too long (%2 bytes, at most %3 bytes), not sent</translation>
    </message>
    <message>
        <source>%1 无法生成 %2: 内容不符合该码制，未发送</source>
        <translation>%1 Cannot generate %2: the content does not fit the symbology, not sent</translation>
    </message>
    <message>
        <source>%1 测试打印代码页表 ESC t: %2</source>
        <translation>%1 test print: code page tables ESC t: %2</translation>
    </message>
    <message>
        <source>%1 文字无法绘制为图片，未发送</source>
        <translation>%1 The text cannot be drawn as a picture, not sent</translation>
    </message>
    <message>
        <source>%1 工作模式文字作为图片打印 内容: %2 </source>
        <translation>%1 working mode: print text as a picture: content: %2 </translation>
    </message>
    <message>
        <source>%1 回答不是状态字节: %2</source>
        <translation>%1: the answer is not a status byte: %2</translation>
    </message>
</context>
<context>
    <name>BitmapForm</name>
    <message>
        <source>图片无法读取或过大，对应的logo为空: </source>
        <translation>Picture unreadable or too large, its logo is empty: </translation>
    </message>
    <message>
        <source>最多只能选择7张图片</source>
        <translation>At most 7 pictures can be chosen</translation>
    </message>
    <message>
        <source>选择图片（最多7张）</source>
        <translation>Choose pictures (at most 7)</translation>
    </message>
    <message>
        <source>图片文件</source>
        <translation>Picture files</translation>
    </message>
    <message>
        <source>位图</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>加载图像</source>
        <translation>Load images</translation>
    </message>
    <message>
        <source>清空图像</source>
        <translation>Clear images</translation>
    </message>
    <message>
        <source>设置图像</source>
        <translation>Set images</translation>
    </message>
    <message>
        <source>已选择: </source>
        <translation>Selected: </translation>
    </message>
    <message>
        <source>/7 张图片</source>
        <translation>/7 pictures</translation>
    </message>
    <message>
        <source>图片 </source>
        <translation>Picture </translation>
    </message>
    <message>
        <source> (双击删除)</source>
        <translation> (double-click to remove)</translation>
    </message>
    <message>
        <source>无法读取</source>
        <translation>Unreadable</translation>
    </message>
    <message>
        <source>打印logo</source>
        <translation>Print logo</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>倍宽</source>
        <translation>Double width</translation>
    </message>
    <message>
        <source>倍高</source>
        <translation>Double height</translation>
    </message>
    <message>
        <source>倍宽、倍高</source>
        <translation>Double width and height</translation>
    </message>
    <message>
        <source>图片转换</source>
        <translation>Picture conversion</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>加载图像后在此预览</source>
        <translation>Load a picture to preview it here</translation>
    </message>
    <message>
        <source>%1 × %2 点</source>
        <translation>%1 × %2 dots</translation>
    </message>
    <message>
        <source>正在转换…</source>
        <translation>Converting…</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Actual size</translation>
    </message>
</context>
<context>
    <name>BluetoothFieldRow</name>
    <message>
        <source>查询</source>
        <translation>Query</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
</context>
<context>
    <name>BuzzerAlarmCuttingForm</name>
    <message>
        <source>蜂鸣</source>
        <translation>Buzzer</translation>
    </message>
    <message>
        <source>次数：</source>
        <translation>Times:</translation>
    </message>
    <message>
        <source>持续：</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>蜂鸣闪灯</source>
        <translation>Buzzer and lamp</translation>
    </message>
    <message>
        <source>间隔：</source>
        <translation>Interval:</translation>
    </message>
    <message>
        <source>无蜂鸣、无闪灯</source>
        <translation>No beep, no flash</translation>
    </message>
    <message>
        <source>闪灯</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>蜂鸣、闪灯</source>
        <translation>Beep and flash</translation>
    </message>
    <message>
        <source>切刀</source>
        <translation>Cutter</translation>
    </message>
    <message>
        <source>全切</source>
        <translation>Full cut</translation>
    </message>
    <message>
        <source>半切</source>
        <translation>Partial cut</translation>
    </message>
    <message>
        <source>进纸半切</source>
        <translation>Feed and partial cut</translation>
    </message>
    <message>
        <source>进纸长度:</source>
        <translation>Feed length:</translation>
    </message>
    <message>
        <source>×移动单位(英寸)</source>
        <translation>× motion unit (inch)</translation>
    </message>
</context>
<context>
    <name>CashBoxForm</name>
    <message>
        <source>钱箱控制脉冲</source>
        <translation>Drawer control pulse</translation>
    </message>
    <message>
        <source>钱箱插座引脚2</source>
        <translation>Connector pin 2</translation>
    </message>
    <message>
        <source>钱箱插座引脚5</source>
        <translation>Connector pin 5</translation>
    </message>
    <message>
        <source>高电平时间</source>
        <translation>High time</translation>
    </message>
    <message>
        <source>低电平时间</source>
        <translation>Low time</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>钱箱打开脉冲</source>
        <translation>Drawer opening pulse</translation>
    </message>
    <message>
        <source>高、低电平时间</source>
        <translation>High and low time</translation>
    </message>
</context>
<context>
    <name>CharEditDialog</name>
    <message>
        <source>字符编辑 - 0x</source>
        <translation>Character editor - 0x</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CharacterForm</name>
    <message>
        <source>自定义字符</source>
        <translation>User-defined characters</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>个</source>
        <translation>characters</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>打印模式</source>
        <translation>Print mode</translation>
    </message>
    <message>
        <source>标准ASCII码字体A(12x24)</source>
        <translation>Standard ASCII font A (12x24)</translation>
    </message>
    <message>
        <source>压缩ASCII码字体B(9x17)</source>
        <translation>Compressed ASCII font B (9x17)</translation>
    </message>
    <message>
        <source>加粗</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>倍高</source>
        <translation>Double height</translation>
    </message>
    <message>
        <source>倍宽</source>
        <translation>Double width</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>右间距</source>
        <translation>Right spacing</translation>
    </message>
    <message>
        <source>×英寸</source>
        <translation>× inch</translation>
    </message>
</context>
<context>
    <name>CliApp</name>
    <message>
        <source>预览不回答状态查询: 请用 --tcp、--usb 或 --serial</source>
        <translation>A preview does not answer status requests: use --tcp, --usb or --serial</translation>
    </message>
    <message>
        <source>无法读取文件 %1: %2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>是一个文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>命令行: quillmark %1</source>
        <translation>Command line: quillmark %1</translation>
    </message>
    <message>
        <source>未知的命令: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message>
        <source>无效的网段: %1（应为前三个数字，如 10.1.2.）</source>
        <translation>Invalid segment: %1 (expected the first three numbers, such as 10.1.2.)</translation>
    </message>
    <message>
        <source>未知的选项: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>搜索没有在 %1 秒内结束</source>
        <translation>The search did not end within %1 seconds</translation>
    </message>
    <message>
        <source>请指定要列出的内容: usb、serial 或 queues</source>
        <translation>Say what to list: usb, serial or queues</translation>
    </message>
    <message>
        <source>%1 需要一个值</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>缺少目标: --tcp、--usb、--serial 或 --queue</source>
        <translation>Missing target: --tcp, --usb, --serial or --queue</translation>
    </message>
    <message>
        <source>--script 和操作只能二选一</source>
        <translation>Give either --script or an operation, not both</translation>
    </message>
    <message>
        <source>缺少操作（quillmark ops 列出所有操作）</source>
        <translation>Missing operation (quillmark ops lists them all)</translation>
    </message>
    <message>
        <source>打印队列不回答状态查询: 请用 --tcp、--usb 或 --serial</source>
        <translation>A printer queue does not answer status requests: use --tcp, --usb or --serial</translation>
    </message>
    <message>
        <source>打印机没有回答状态查询: %1</source>
        <translation>The printer did not answer the status requests: %1</translation>
    </message>
    <message>
        <source>缺少文件（- 表示标准输入）</source>
        <translation>Missing file (- for standard input)</translation>
    </message>
    <message>
        <source>发送文件 %1（%2 字节）</source>
        <translation>Sending file %1 (%2 bytes)</translation>
    </message>
    <message>
        <source>打印机型号 %1 不接受网络设置的表单</source>
        <translation>The printer model %1 takes no network settings form</translation>
    </message>
    <message>
        <source>--%1 只能与 --range 一起使用</source>
        <translation>--%1 works only with --range</translation>
    </message>
    <message>
        <source>--segment 和 --range 只能二选一</source>
        <translation>Give either --segment or --range, not both</translation>
    </message>
    <message>
        <source>--targets 和 --tcp、--usb、--serial、--queue 只能二选一</source>
        <translation>Give either --targets or one of --tcp, --usb, --serial, --queue, not both</translation>
    </message>
    <message>
        <source>--%1 只能与 --targets 一起使用</source>
        <translation>--%1 works only with --targets</translation>
    </message>
    <message>
        <source>目标文件 %1 有错误的行；什么也没有发送</source>
        <translation>The targets file %1 has bad lines; nothing was sent</translation>
    </message>
    <message>
        <source>目标文件 %1 中没有目标</source>
        <translation>The targets file %1 has no targets</translation>
    </message>
    <message>
        <source>QM_LANGUAGE 的值无效: &quot;%1&quot;，应为 %2 之一</source>
        <translation>Invalid value for QM_LANGUAGE: "%1", expected one of %2</translation>
    </message>
    <message>
        <source>没有找到 USB 打印机（/dev/usb/lp*）</source>
        <translation>No USB printers found (/dev/usb/lp*)</translation>
    </message>
    <message>
        <source>无法连接打印服务（CUPS 调度程序）: %1</source>
        <translation>Could not reach the print service (CUPS scheduler): %1</translation>
    </message>
    <message>
        <source>没有找到串口</source>
        <translation>No serial ports found</translation>
    </message>
    <message>
        <source>CUPS 中没有打印队列</source>
        <translation>CUPS has no print queues</translation>
    </message>
    <message>
        <source>故障: %1</source>
        <translation>Fault: %1</translation>
    </message>
</context>
<context>
    <name>CliCommandLine</name>
    <message>
        <source>%1 的值无效: &quot;%2&quot;，应为 %3 到 %4 的整数</source>
        <translation>Invalid value for %1: "%2", expected a whole number from %3 to %4</translation>
    </message>
    <message>
        <source>--serial 的波特率无效: &quot;%1&quot;，应为 %2 之一</source>
        <translation>Invalid speed for --serial: "%1", expected one of %2</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>目标:
  --tcp ADDRESS          网络打印机（原始端口 9100）
  --usb NODE             USB 打印机节点，如 /dev/usb/lp0
  --serial PATH[:BAUD]   串口，默认 9600 波特
  --queue NAME           打印队列（CUPS）
  --preview PNG          不发送：把要发送的字节画成图片，每次切纸一张（PNG-1.png……）
</source>
        <translation>Targets:
  --tcp ADDRESS          network printer (raw port 9100)
  --usb NODE             USB printer node, such as /dev/usb/lp0
  --serial PATH[:BAUD]   serial port, 9600 baud by default
  --queue NAME           printer queue (CUPS)
  --preview PNG          send nothing: draw the bytes as pictures, one per cut (PNG-1.png, ...)
</translation>
    </message>
    <message>
        <source>quillmark --help 显示用法</source>
        <translation>quillmark --help shows the usage</translation>
    </message>
    <message>
        <source>quillmark %1 --help 显示用法</source>
        <translation>quillmark %1 --help shows the usage</translation>
    </message>
    <message>
        <source>用法: quillmark scan [--segment 10.1.2.] [--json]

在局域网的一个网段中搜索打印机（端口 9100，通过打印机的网页识别型号），每台打印机一行: 地址、MAC 和型号。

  --segment SEGMENT   要搜索的网段（前三个数字，如 10.1.2.）；不写时用设置中的网段
  --json              以 JSON 输出
</source>
        <translation>Usage: quillmark scan [--segment 10.1.2.] [--json]

Searches one segment of the local network for printers (port 9100, the model recognised from the printer&apos;s web page): one line per printer with address, MAC and model.

  --segment SEGMENT   the segment to search (the first three numbers, such as 10.1.2.); without it, the segment of the settings
  --json              output as JSON
</translation>
    </message>
    <message>
        <source>用法: quillmark list usb|serial|queues [--json]

列出 USB 打印机（节点、厂商和产品 ID、型号、制造商）、串口或打印队列。

  --json   以 JSON 输出
</source>
        <translation>Usage: quillmark list usb|serial|queues [--json]

Lists the USB printers (node, vendor and product id, model, manufacturer), the serial ports or the printer queues.

  --json   output as JSON
</translation>
    </message>
    <message>
        <source>用法: quillmark ops [--json]

列出命令接口的每个操作及其参数类型和名称，取自程序本身。run 的参数: int（十进制或 0x 十六进制）、bool（true/false、1/0、yes/no、on/off）、QString（文本）、QStringList 和 QList&lt;int&gt;（用逗号分隔）。

  --json   以 JSON 输出
</source>
        <translation>Usage: quillmark ops [--json]

Lists every operation of the command API with the types and names of its parameters, as the program itself knows them. Arguments of run: int (decimal or 0x hexadecimal), bool (true/false, 1/0, yes/no, on/off), QString (text), QStringList and QList&lt;int&gt; (separated by commas).

  --json   output as JSON
</translation>
    </message>
    <message>
        <source>用法: quillmark run TARGET OPERATION [ARG...]
      quillmark run TARGET --script FILE

在打印机上调用命令接口的一个操作（见 quillmark ops），参数转换为声明的类型。使用 --script 时，FILE（- 表示标准输入）每行一个操作及其参数；空行被跳过，从 # 开始到行尾是注释，含空格的参数用 &quot;...&quot; 或 &apos;...&apos; 括起来。文件在发送任何内容之前会被完整检查；运行在第一个失败的行停止，并指出是哪一行。

  --script FILE   运行 FILE 中的操作

</source>
        <translation>Usage: quillmark run TARGET OPERATION [ARG...]
      quillmark run TARGET --script FILE

Calls an operation of the command API (see quillmark ops) on the printer, with its arguments converted to the declared types. With --script, FILE (- for standard input) holds one operation with its arguments per line; empty lines are skipped, a # starts a comment that runs to the end of the line, arguments with blanks are quoted with &quot;...&quot; or &apos;...&apos;. A file is checked completely before anything is sent; the run stops at the first line that fails and says which.

  --script FILE   run the operations in FILE

</translation>
    </message>
    <message>
        <source>用法: quillmark status TARGET [--json]

读取打印机状态、脱机状态、错误状态和传送纸状态并解码。退出状态 0: 打印机就绪；1: 打印机报告故障（缺纸、上盖开、脱机、切刀或打印头错误）；3: 无法连接或没有应答。--queue 不能查询状态。

  --json   以 JSON 输出

</source>
        <translation>Usage: quillmark status TARGET [--json]

Reads the printer, offline, error and paper statuses and decodes them. Exit status 0: the printer is ready; 1: it reports a fault (paper out, cover open, offline, cutter or print-head error); 3: it could not be reached or did not answer. Not available with --queue.

  --json   output as JSON

</translation>
    </message>
    <message>
        <source>用法: quillmark raw TARGET FILE|-

把 FILE（- 表示标准输入）中的字节原样发送给打印机。

</source>
        <translation>Usage: quillmark raw TARGET FILE|-

Sends the bytes of FILE (- for standard input) to the printer unchanged.

</translation>
    </message>
    <message>
        <source>用法: quillmark beep TARGET [--times N] [--duration N]

让打印机的蜂鸣器响。

  --times N      响几次，1 到 9，默认 1
  --duration N   每次响多久，以 50 毫秒为单位，1 到 9，默认 1

</source>
        <translation>Usage: quillmark beep TARGET [--times N] [--duration N]

Sounds the printer's buzzer.

  --times N      how many beeps, 1 to 9, 1 by default
  --duration N   how long each beep lasts in steps of 50 ms, 1 to 9, 1 by default

</translation>
    </message>
    <message>
        <source>用法: quillmark cut TARGET [--partial] [--feed N]

切纸，默认全切。

  --partial   半切
  --feed N    先走纸 N 个移动单位（0 到 255），再半切

</source>
        <translation>Usage: quillmark cut TARGET [--partial] [--feed N]

Cuts the paper, fully by default.

  --partial   cut partially
  --feed N    feed N motion units (0 to 255), then cut partially

</translation>
    </message>
    <message>
        <source>用法: quillmark drawer TARGET [--pin 2|5] [--on MS] [--off MS]

给钱箱一个脉冲，打开钱箱。

  --pin 2|5   钱箱接口的引脚，默认 2
  --on MS     高电平时间（毫秒，0 到 510，以 2 毫秒为步长），默认 100
  --off MS    低电平时间（毫秒，0 到 510，以 2 毫秒为步长），默认 500

</source>
        <translation>Usage: quillmark drawer TARGET [--pin 2|5] [--on MS] [--off MS]

Sends a pulse to the cash drawer to open it.

  --pin 2|5   the pin of the drawer connector, 2 by default
  --on MS     pulse on time in milliseconds (0 to 510, in steps of 2 ms), 100 by default
  --off MS    pulse off time in milliseconds (0 to 510, in steps of 2 ms), 500 by default

</translation>
    </message>
    <message>
        <source>用法: quillmark print TARGET [--codepage NAME] TEXT...

打印一行文本并换行；多个 TEXT 用空格连接。以 - 开头的文本写在 -- 之后。

  --codepage NAME   文本的代码页，如 GBK、CP437、IBM850、Windows-1252；默认 GBK

</source>
        <translation>Usage: quillmark print TARGET [--codepage NAME] TEXT...

Prints a line of text and feeds one line; several TEXT words are joined with blanks. Text that starts with - goes after --.

  --codepage NAME   the code page of the text, such as GBK, CP437, IBM850, Windows-1252; GBK by default

</translation>
    </message>
    <message>
        <source>用法: quillmark feed TARGET LINES

走纸 LINES 行（0 到 255）。

</source>
        <translation>Usage: quillmark feed TARGET LINES

Feeds the paper by LINES lines (0 to 255).

</translation>
    </message>
    <message>
        <source>用法: quillmark logo TARGET FILE... [--dither METHOD] [--width DOTS]

把最多 7 张图片（PNG、JPEG、BMP）作为 logo 1 到 7 存入打印机，与窗口的“设置图像”相同。

  --dither METHOD   转换方法: threshold、floyd-steinberg、atkinson 或 bayer，默认为窗口保存的选择
  --width DOTS      图片最宽多少点（8 到 2040），默认为 logo 的宽度上限

</source>
        <translation>Usage: quillmark logo TARGET FILE... [--dither METHOD] [--width DOTS]

Stores up to 7 pictures (PNG, JPEG, BMP) in the printer as logos 1 to 7, as the window's "Set image" does.

  --dither METHOD   conversion: threshold, floyd-steinberg, atkinson or bayer; the window's stored choice by default
  --width DOTS      the widest a picture may be, in dots (8 to 2040); the logo width limit by default

</translation>
    </message>
    <message>
        <source>用法: quillmark barcode TARGET TYPE DATA

打印一维条码。TYPE 和 DATA:
  upc-a     11 或 12 位数字
  upc-e     6 或 7 位数字
  ean13     12 或 13 位数字
  ean8      7 或 8 位数字
  code39    0-9、A-Z、空格和 $ % + - . / *
  itf       偶数个数字
  codabar   0-9、A-D 和 $ + - . / :
  code93    0-9、A-Z、a-z、空格和 $ % + - . / *
  code128   ASCII 可见字符
最多 255 个字符。数据不符合条码的要求时什么也不发送。

</source>
        <translation>Usage: quillmark barcode TARGET TYPE DATA

Prints a one-dimensional barcode. TYPE and DATA:
  upc-a     11 or 12 digits
  upc-e     6 or 7 digits
  ean13     12 or 13 digits
  ean8      7 or 8 digits
  code39    0-9, A-Z, blank and $ % + - . / *
  itf       an even number of digits
  codabar   0-9, A-D and $ + - . / :
  code93    0-9, A-Z, a-z, blank and $ % + - . / *
  code128   printable ASCII characters
At most 255 characters. Nothing is sent when the data does not suit the barcode.

</translation>
    </message>
    <message>
        <source>用法: quillmark qr TARGET [--size N] [--level L|M|Q|H] TEXT...

打印二维码（QR 码），内容为 TEXT（UTF-8），之后走纸并半切。

  --size N          模块大小，1 到 8，默认 8
  --level L|M|Q|H   纠错级别，默认 M

</source>
        <translation>Usage: quillmark qr TARGET [--size N] [--level L|M|Q|H] TEXT...

Prints a QR code holding TEXT (UTF-8), then feeds and cuts partially.

  --size N          module size, 1 to 8, 8 by default
  --level L|M|Q|H   error correction level, M by default

</translation>
    </message>
    <message>
        <source>用法: quillmark network TARGET --ip ADDRESS --mask MASK --gateway ADDRESS
      quillmark network --tcp ADDRESS --dhcp

设置打印机自己的网络地址。通过 --tcp 时先从打印机的网页读取型号，再把设置发送到网页（蜂鸣、切刀、浓度等取窗口的默认值）；通过 --usb 时发送地址命令。地址为四组 0-255 的数字，如 192.168.1.100。

  --ip ADDRESS        新的地址
  --mask MASK         子网掩码
  --gateway ADDRESS   默认网关
  --dhcp              改为自动获取地址（只能通过 --tcp）

</source>
        <translation>Usage: quillmark network TARGET --ip ADDRESS --mask MASK --gateway ADDRESS
      quillmark network --tcp ADDRESS --dhcp

Sets the printer's own network address. With --tcp the model is read from the printer's web page first, then the settings are posted to it (beep, cutter, density and the like as the window sets them by default); with --usb the address command is sent. Addresses are four numbers from 0 to 255, such as 192.168.1.100.

  --ip ADDRESS        the new address
  --mask MASK         the subnet mask
  --gateway ADDRESS   the default gateway
  --dhcp              obtain the address automatically instead (--tcp only)

</translation>
    </message>
    <message>
        <source>用法: quillmark test-page TARGET [--receipt 58|76|80 | --codepages N,M,...]

打印测试页，或者一张 58、76 或 80 毫米宽的样例小票（内容取自窗口的设置），或者代码页表: 每个 ESC t 代码页的字符 0x20-0xFF 及其十六进制编码，再加一行 GBK 和 GB18030 中文。

</source>
        <translation>Usage: quillmark test-page TARGET [--receipt 58|76|80 | --codepages N,M,...]

Prints the test page, or a sample receipt 58, 76 or 80 mm wide (their contents as set in the window), or code page tables: for each ESC t code page the characters 0x20-0xFF with their hexadecimal codes, then a line of Chinese in GBK and in GB18030.

</translation>
    </message>
    <message>
        <source>用法: quillmark reset TARGET

初始化打印机（ESC @）：清除缓冲区中的数据，恢复开机时的设置。

</source>
        <translation>Usage: quillmark reset TARGET

Initialises the printer (ESC @): clears the data in its buffer and restores the settings it starts with.

</translation>
    </message>
    <message>
        <source>用法: quillmark COMMAND [OPTIONS]

在命令行上配置和检查热敏小票打印机，与 QuillmarkSystem 窗口使用同一个后端。

命令:
  scan     在局域网中搜索打印机
  list     列出 USB 打印机、串口或打印队列
  status   读取四个实时状态
  raw      发送一个字节文件
  ops      列出命令接口的所有操作及其参数
  run      在打印机上调用操作
  render   把字节文件画成图片，不需要打印机
  exporter 在后台轮询许多打印机，为 Prometheus 提供状态
  inventory 按 MAC 地址记录地址范围中的打印机，报告换了地址、新出现和消失的打印机

打印机任务:
  beep        蜂鸣
  cut         切纸
  drawer      打开钱箱
  print       打印一行文本
  feed        走纸
  logo        存入 logo 图片
  barcode     打印一维条码
  qr          打印二维码
  network     设置打印机的网络地址
  test-page   打印测试页或样例小票
  reset       初始化打印机

</source>
        <translation>Usage: quillmark COMMAND [OPTIONS]

Configures and checks thermal receipt printers from the command line, over the same back end as the QuillmarkSystem window.

Commands:
  scan     search the local network for printers
  list     list USB printers, serial ports or printer queues
  status   read the four real-time statuses
  raw      send a file of bytes
  ops      list every operation of the command API with its parameters
  run      call operations on a printer
  render   draw a file of printer bytes as pictures, without a printer
  exporter poll many printers in the background and serve their status to Prometheus
  inventory keep the printers of address ranges by MAC address and report those that moved, appeared or vanished

Printer tasks:
  beep        sound the buzzer
  cut         cut the paper
  drawer      open the cash drawer
  print       print a line of text
  feed        feed the paper
  logo        store logo pictures
  barcode     print a one-dimensional barcode
  qr          print a QR code
  network     set the printer's network address
  test-page   print the test page or a sample receipt
  reset       initialise the printer

</translation>
    </message>
    <message>
        <source>
选项:
  -h, --help     显示帮助；quillmark COMMAND --help 说明一个命令
  --version      显示版本

退出状态:
  0  成功（status: 打印机就绪）
  1  打印机报告故障，或操作失败
  2  用法错误（未知的命令、操作或参数，超出范围的值，无法读取的文件），什么也没有发送
  3  无法连接打印机，或连接中断

错误写到标准错误，文字与日志相同。只有标准输出是终端时才使用颜色。
语言跟随窗口程序的设置（initial.ini），环境变量 QM_LANGUAGE=en_US 或 zh_CN 可以改变它。
</source>
        <translation>
Options:
  -h, --help     show the help; quillmark COMMAND --help describes one command
  --version      show the version

Exit status:
  0  success (status: the printer is ready)
  1  the printer reports a fault, or an operation failed
  2  usage error (unknown command, operation or argument, a value out of range, unreadable file); nothing was sent
  3  the printer cannot be reached, or the connection was lost

Errors go to standard error with the same texts as the log. Colour is used only when standard output is a terminal.
The language follows the setting of the window program (initial.ini); the environment variable QM_LANGUAGE=en_US or zh_CN changes it.
</translation>
    </message>
    <message>
        <source>用法: quillmark scan [--segment 10.1.2.] [--json]
      quillmark scan --range NETWORK/PREFIX... [--connect-timeout MS] [--max-open N] [--json]

在局域网的一个网段中搜索打印机（端口 9100，通过打印机的网页识别型号），每台打印机一行: 地址、MAC 和型号。
使用 --range 时搜索任意地址范围（可以给多个），同时探测许多地址，每台打印机在识别后立即输出；MAC 地址取自邻居表，邻居表中没有时（路由之后的打印机）取自 NetBIOS 应答。

  --segment SEGMENT      要搜索的网段（前三个数字，如 10.1.2.）；不写时用设置中的网段
  --range NETWORK/PREFIX 要搜索的地址范围，如 10.1.0.0/22，前缀长度 %1 到 %2；可以重复
  --connect-timeout MS   每个地址的连接等待时间（默认 %3）
  --max-open N           同时探测的地址数上限（默认 %4）
  --json                 以 JSON 输出（--range: 每行一个 JSON 对象）
</source>
        <translation>Usage: quillmark scan [--segment 10.1.2.] [--json]
      quillmark scan --range NETWORK/PREFIX... [--connect-timeout MS] [--max-open N] [--json]

Searches one segment of the local network for printers (port 9100, the model recognised from the printer&apos;s web page): one line per printer with address, MAC and model.
With --range it searches any address ranges (several may be given), probing many addresses at once, and prints each printer as soon as it is identified; the MAC address comes from the neighbour table, or from the NetBIOS answer where the table has none (printers behind a router).

  --segment SEGMENT      the segment to search (the first three numbers, such as 10.1.2.); without it, the segment of the settings
  --range NETWORK/PREFIX an address range to search, such as 10.1.0.0/22, prefix length %1 to %2; may be repeated
  --connect-timeout MS   how long to wait for each address to connect (%3 by default)
  --max-open N           at most this many addresses probed at once (%4 by default)
  --json                 output as JSON (--range: one JSON object a line)
</translation>
    </message>
    <message>
        <source>用法: quillmark test-page TARGET [--receipt 58|76|80]

打印测试页，或者一张 58、76 或 80 毫米宽的样例小票（内容取自窗口的设置）。

</source>
        <translation>Usage: quillmark test-page TARGET [--receipt 58|76|80]

Prints the test page, or a sample receipt 58, 76 or 80 mm wide (their contents as set in the window).

</translation>
    </message>
    <message>
        <source>用法: quillmark inventory --range NETWORK/PREFIX... --file FILE [--targets-out FILE] [--json]
                           [--connect-timeout MS] [--max-open N]

搜索地址范围，并把找到的打印机按 MAC 地址记在库存文件中（型号、NetBIOS 名称、地址、首次和最后一次出现的时间）。每次运行输出与上次相比的变化，每行一个:
  appeared MAC ADDRESS MODEL    新出现的打印机
  moved MAC OLD -&gt; NEW          换了地址的打印机
  vanished MAC ADDRESS          在所搜索的范围中消失的打印机（仍留在库存中）
库存文件损坏时报告错误，不会改写它。

  --range NETWORK/PREFIX  要搜索的地址范围，如 10.1.0.0/22，前缀长度 %1 到 %2；可以重复
  --file FILE             库存文件（JSON）；不存在时新建
  --targets-out FILE      同时写出 exporter 的目标文件（每台打印机一行 tcp:ADDRESS）；已有的行保留其标签，换了地址的打印机的行改为新地址
  --connect-timeout MS    每个地址的连接等待时间（默认 %3）
  --max-open N            同时探测的地址数上限（默认 %4）
  --json                  每个变化一个 JSON 对象
</source>
        <translation>Usage: quillmark inventory --range NETWORK/PREFIX... --file FILE [--targets-out FILE] [--json]
                           [--connect-timeout MS] [--max-open N]

Searches address ranges and keeps the printers found in an inventory file by MAC address (model, NetBIOS name, address, when first and last seen). Each run prints what changed since the last one, one line each:
  appeared MAC ADDRESS MODEL    a printer that is new
  moved MAC OLD -&gt; NEW          a printer at another address
  vanished MAC ADDRESS          a printer gone from the ranges searched (it stays in the inventory)
A damaged inventory file is reported and never rewritten.

  --range NETWORK/PREFIX  an address range to search, such as 10.1.0.0/22, prefix length %1 to %2; may be repeated
  --file FILE             the inventory file (JSON); created when missing
  --targets-out FILE      also write the exporter&apos;s targets file (one line tcp:ADDRESS per printer); existing lines keep their labels, the line of a printer that moved gets its new address
  --connect-timeout MS    how long to wait for each address to connect (%3 by default)
  --max-open N            at most this many addresses probed at once (%4 by default)
  --json                  one JSON object per change
</translation>
    </message>
    <message>
        <source>用法: quillmark run TARGET [--connect-timeout MS] [--timeout MS] OPERATION [ARG...]
      quillmark run TARGET --script FILE
      quillmark run --targets FILE [--jobs N] [--json] OPERATION [ARG...]
      quillmark run --targets FILE [--jobs N] [--json] --script FILE

在打印机上调用命令接口的一个操作（见 quillmark ops），参数转换为声明的类型。使用 --script 时，FILE（- 表示标准输入）每行一个操作及其参数；空行被跳过，从 # 开始到行尾是注释，含空格的参数用 &quot;...&quot; 或 &apos;...&apos; 括起来。文件在发送任何内容之前会被完整检查；运行在第一个失败的行停止，并指出是哪一行。
使用 --targets 时在目标文件（与 exporter 的相同）的每台打印机上运行同样的操作或脚本，同时最多 N 台；每台打印机一行结果: 目标、ok/failed/usage/unreachable 和消息。全部成功时退出状态为 0，否则为各打印机中最差的状态。

  --script FILE          运行 FILE 中的操作
  --targets FILE         目标文件: 每行一台打印机（tcp:10.1.2.3、usb:/dev/usb/lp0、serial:/dev/ttyUSB0:9600、queue:NAME），后面可跟标签
  --jobs N               同时运行的打印机数（默认 %1）
  --json                 每台打印机一个 JSON 对象
  --connect-timeout MS   TCP 连接的等待时间（默认 %2；使用 --targets 时 %3）
  --timeout MS           等待状态应答和数据发出的时间（使用 --targets 时默认 %4）

</source>
        <translation>Usage: quillmark run TARGET [--connect-timeout MS] [--timeout MS] OPERATION [ARG...]
      quillmark run TARGET --script FILE
      quillmark run --targets FILE [--jobs N] [--json] OPERATION [ARG...]
      quillmark run --targets FILE [--jobs N] [--json] --script FILE

Calls an operation of the command API (see quillmark ops) on the printer, with its arguments converted to the declared types. With --script, FILE (- for standard input) holds one operation with its arguments per line; empty lines are skipped, a # starts a comment that runs to the end of the line, arguments with blanks are quoted with &quot;...&quot; or &apos;...&apos;. A file is checked completely before anything is sent; the run stops at the first line that fails and says which.
With --targets the same operation or script runs on every printer of a targets file (the exporter&apos;s), at most N at once; one result line per printer: the target, ok/failed/usage/unreachable and the message. The exit status is 0 when all succeeded, else the worst of the printers&apos;.

  --script FILE          run the operations in FILE
  --targets FILE         targets file: one printer a line (tcp:10.1.2.3, usb:/dev/usb/lp0, serial:/dev/ttyUSB0:9600, queue:NAME), labels may follow
  --jobs N               how many printers run at once (%1 by default)
  --json                 one JSON object per printer
  --connect-timeout MS   how long a TCP connect may take (%2 by default; %3 with --targets)
  --timeout MS           how long to wait for a status answer and for data to leave (%4 by default with --targets)

</translation>
    </message>
    <message>
        <source>用法: quillmark raw TARGET [--timeout MS] FILE|-

把 FILE（- 表示标准输入）中的字节原样发送给打印机。打印机在 MS 毫秒内不再接收数据时放弃，退出状态为 3。

  --timeout MS   等待数据发出的时间（默认 %1）

</source>
        <translation>Usage: quillmark raw TARGET [--timeout MS] FILE|-

Sends the bytes of FILE (- for standard input) to the printer unchanged. Gives up with exit status 3 when the printer takes no more data for MS milliseconds.

  --timeout MS   how long to wait for data to leave (default %1)

</translation>
    </message>
</context>
<context>
    <name>CliOperations</name>
    <message>
        <source>整数，如 3 或 0x1B</source>
        <translation>an integer, such as 3 or 0x1B</translation>
    </message>
    <message>
        <source>true/false、1/0、yes/no 或 on/off</source>
        <translation>true/false, 1/0, yes/no or on/off</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>text</translation>
    </message>
    <message>
        <source>用逗号分隔的文本</source>
        <translation>texts separated by commas</translation>
    </message>
    <message>
        <source>用逗号分隔的整数</source>
        <translation>integers separated by commas</translation>
    </message>
    <message>
        <source>未知的操作: %1（quillmark ops 列出所有操作）</source>
        <translation>Unknown operation: %1 (quillmark ops lists them all)</translation>
    </message>
    <message>
        <source>操作 %1 需要 %2 个参数，收到 %3 个；参数: %4</source>
        <translation>Operation %1 takes %2 arguments, got %3; parameters: %4</translation>
    </message>
    <message>
        <source>操作 %1 的参数太多，无法调用</source>
        <translation>Operation %1 has too many parameters to be called</translation>
    </message>
    <message>
        <source>参数 %1 (%2) 的值无效: &quot;%3&quot;，应为%4；参数: %5</source>
        <translation>Invalid value for parameter %1 (%2): &quot;%3&quot;, expected %4; parameters: %5</translation>
    </message>
    <message>
        <source>参数 %1 (%2) 的值超出范围: &quot;%3&quot;，应为 %4 到 %5；参数: %6</source>
        <translation>Value out of range for parameter %1 (%2): "%3", expected %4 to %5; parameters: %6</translation>
    </message>
    <message>
        <source>modeNum 1 到 4: 正常、倍宽、倍高、倍宽倍高；logoNum 从 0 起: 0 打印 logo 1</source>
        <translation>modeNum 1 to 4: normal, double width, double height, double width and height; logoNum counts from 0: 0 prints logo 1</translation>
    </message>
</context>
<context>
    <name>CliRender</name>
    <message>
        <source>是一个文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>用法: quillmark render FILE|- -o OUT.png [--width 58|80] [--json]
                        [--max-pages N] [--max-page-length MM] [--max-listed N]

不用打印机，把 FILE（- 表示标准输入）中的打印机字节画成图片，与虚拟打印机打印的一样。每次切纸结束一张图片: OUT-1.png、OUT-2.png……；切纸之后剩下的内容另成一张。没有任何墨点的纸（只有走纸或切纸）不成图片。列出打印机无法解码的部分（未知、格式错误、不完整或过长的命令）、无法打印的命令，以及超出页面长度而未画出的部分。退出状态 0: 全部解码并打印；1: 有无法解码、无法打印或未画出的部分，或者图片无法写入；2: 用法错误。

  -o, --output OUT.png   图片的文件名，每页加上 -1、-2……
  --width 58|80          纸宽（毫米），默认 80（576 点；58: 384 点）
  --json                 以 JSON 输出: 图片、全部命令、无法解码和无法打印的部分
  --max-pages N          最多画出的图片数，默认 %1；超过时停止并说明停在哪里
  --max-page-length MM   一张图片的最大长度（毫米，每毫米 8 点），默认 %2；更长的内容接着画在下一张，超出的空白走纸不画
  --max-listed N         每个列表最多列出的条数，默认 %3；其余的只计数
</source>
        <translation>Usage: quillmark render FILE|- -o OUT.png [--width 58|80] [--json]
                        [--max-pages N] [--max-page-length MM] [--max-listed N]

Draws the printer bytes in FILE (- for standard input) as pictures, without a printer, just as the virtual printer prints them. Every cut ends a picture: OUT-1.png, OUT-2.png, ...; what follows the last cut makes one more. Paper with no dot on it (only feed or cuts) makes no picture. Lists the parts the printer cannot decode (unknown, malformed, incomplete or oversized commands), the commands it cannot print, and the paper left out past the page length. Exit status 0: everything decoded and printed; 1: some part could not be decoded, printed or drawn, or a picture could not be written; 2: usage error.

  -o, --output OUT.png   file name of the pictures, with -1, -2, ... added for each page
  --width 58|80          paper width in mm, 80 by default (576 dots; 58: 384 dots)
  --json                 output as JSON: the pictures, every command, what could not be decoded or printed
  --max-pages N          pictures drawn at most, %1 by default; past them the drawing stops and says where
  --max-page-length MM   the longest picture in mm (8 dots a mm), %2 by default; longer printing goes on in the next picture, blank feed past it is left out
  --max-listed N         entries listed at most in each list, %3 by default; the rest are only counted
</translation>
    </message>
    <message>
        <source>缺少要渲染的文件（FILE 或 - 表示标准输入）</source>
        <translation>No file to render (FILE, or - for standard input)</translation>
    </message>
    <message>
        <source>只能渲染一个文件: %1</source>
        <translation>Only one file can be rendered: %1</translation>
    </message>
    <message>
        <source>缺少图片的文件名: -o OUT.png</source>
        <translation>The pictures need a file name: -o OUT.png</translation>
    </message>
    <message>
        <source>纸宽只能是 58 或 80: %1</source>
        <translation>The paper width must be 58 or 80: %1</translation>
    </message>
    <message>
        <source>无法读取文件 %1: %2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>无法写入图片 %1: %2</source>
        <translation>Cannot write the picture %1: %2</translation>
    </message>
    <message>
        <source>没有打印任何内容</source>
        <translation>Nothing was printed</translation>
    </message>
    <message>
        <source>无法解码的部分（偏移、类型、命令、字节）:</source>
        <translation>Could not be decoded (offset, kind, command, bytes):</translation>
    </message>
    <message>
        <source>无法打印的命令（偏移、命令、原因）:</source>
        <translation>Could not be printed (offset, command, reason):</translation>
    </message>
    <message>
        <source>……另有 %1 项未列出（--max-listed）</source>
        <translation>... %1 more not listed (--max-listed)</translation>
    </message>
    <message>
        <source>无法读取文件 %1: 文件有 %2 字节，最多能渲染 %3 字节</source>
        <translation>Cannot read the file %1: it has %2 bytes, at most %3 can be rendered</translation>
    </message>
    <message>
        <source>超出 %1 点（%2 毫米）的页面长度而未画出的纸（偏移、命令、连续次数、点数）:</source>
        <translation>Paper past the page length of %1 dots (%2 mm), left out (offset, command, times in a row, dots):</translation>
    </message>
    <message>
        <source>已画出 %1 张图片，达到上限: 从偏移 %2 起（共 %3 字节）没有画出；--max-pages 可以提高上限</source>
        <translation>%1 pictures drawn, the limit: nothing from offset %2 on (of %3 bytes) was drawn; --max-pages raises the limit</translation>
    </message>
</context>
<context>
    <name>CliScript</name>
    <message>
        <source>引号没有结束</source>
        <translation>unterminated quote</translation>
    </message>
    <message>
        <source>%1 第 %2 行: %3</source>
        <translation>%1 line %2: %3</translation>
    </message>
    <message>
        <source>无法读取脚本文件 %1: %2</source>
        <translation>Cannot read the script file %1: %2</translation>
    </message>
</context>
<context>
    <name>CliStatusReport</name>
    <message>
        <source>无应答</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>打印机没有应答</source>
        <translation>The printer does not answer</translation>
    </message>
    <message>
        <source>故障: %1</source>
        <translation>Fault: %1</translation>
    </message>
    <message>
        <source>就绪</source>
        <translation>Ready</translation>
    </message>
</context>
<context>
    <name>CliTarget</name>
    <message>
        <source>无法写入图片 %1: %2</source>
        <translation>Cannot write the picture %1: %2</translation>
    </message>
    <message>
        <source>没有要打印的内容，没有写入图片</source>
        <translation>Nothing to print: no picture was written</translation>
    </message>
    <message>
        <source>只能指定一个目标: %1</source>
        <translation>Only one target may be given: %1</translation>
    </message>
    <message>
        <source>没有指定目标</source>
        <translation>No target given</translation>
    </message>
    <message>
        <source>与打印机的连接已断开: %1</source>
        <translation>The connection to the printer was lost: %1</translation>
    </message>
    <message>
        <source>数据没有在 %1 毫秒内发出: %2</source>
        <translation>The data did not leave within %1 ms: %2</translation>
    </message>
    <message>
        <source>打印机没有确认收到数据: %1</source>
        <translation>The printer did not acknowledge the data: %1</translation>
    </message>
</context>
<context>
    <name>CliVerbs</name>
    <message>
        <source>--width 的值无效: &quot;%1&quot;，应为 %2 到 %3 点</source>
        <translation>Invalid value for --width: &quot;%1&quot;, expected %2 to %3 dots</translation>
    </message>
    <message>
        <source>--codepages 和 --receipt 只能选一个</source>
        <translation>--codepages and --receipt cannot be used together</translation>
    </message>
    <message>
        <source>--codepages 的值无效: &quot;%1&quot;，应为 0 到 255 之间用逗号分隔的代码页编号</source>
        <translation>Invalid value for --codepages: &quot;%1&quot;, expected code page numbers 0 to 255 separated by commas</translation>
    </message>
    <message>
        <source>--%1 的值无效: &quot;%2&quot;，应为 %3 之一</source>
        <translation>Invalid value for --%1: "%2", expected one of %3</translation>
    </message>
    <message>
        <source>缺少 %1</source>
        <translation>Missing %1</translation>
    </message>
    <message>
        <source>多余的参数: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>缺少 %1（或者用 --dhcp）</source>
        <translation>Missing %1 (or use --dhcp)</translation>
    </message>
    <message>
        <source>%1 的值不是 IPv4 地址: &quot;%2&quot;（应为四组 0-255 的数字，如 192.168.1.100）</source>
        <translation>%1 is not an IPv4 address: "%2" (expected four numbers from 0 to 255, such as 192.168.1.100)</translation>
    </message>
    <message>
        <source>文本不能为空（只走纸请用 quillmark feed）</source>
        <translation>The text cannot be empty (quillmark feed only feeds)</translation>
    </message>
    <message>
        <source>未知的代码页: %1</source>
        <translation>Unknown code page: %1</translation>
    </message>
    <message>
        <source>无法用作图片: %1（不存在、无法读取或太大）</source>
        <translation>Cannot be used as a picture: %1 (missing, unreadable or too large)</translation>
    </message>
    <message>
        <source>未知的条码类型: %1（可用: %2）</source>
        <translation>Unknown barcode type: %1 (available: %2)</translation>
    </message>
    <message>
        <source>%1 条码数据无效: %2</source>
        <translation>Invalid %1 barcode data: %2</translation>
    </message>
    <message>
        <source>文本不能为空</source>
        <translation>The text cannot be empty</translation>
    </message>
    <message>
        <source>网络设置只能通过 --tcp 或 --usb 发送</source>
        <translation>Network settings can only be sent with --tcp or --usb</translation>
    </message>
    <message>
        <source>--dhcp 不能与 --%1 一起使用</source>
        <translation>--dhcp cannot be used together with --%1</translation>
    </message>
    <message>
        <source>--dhcp 只能通过 --tcp 发送</source>
        <translation>--dhcp can only be sent with --tcp</translation>
    </message>
</context>
<context>
    <name>CloseButton</name>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ConfigManager</name>
    <message>
        <source>初始化配置管理器</source>
        <translation>Initializing the Configuration Manager</translation>
    </message>
    <message>
        <source>创建配置文件夹: %1</source>
        <translation>Creating the configuration folder: %1</translation>
    </message>
    <message>
        <source>创建配置文件夹失败: %1</source>
        <translation>Failed to create the configuration folder: %1</translation>
    </message>
    <message>
        <source>配置管理器初始化完成</source>
        <translation>Configuration Manager initialization completed</translation>
    </message>
    <message>
        <source>读取打印测试配置文件路径: %1</source>
        <translation>Reading the print test configuration file: %1</translation>
    </message>
    <message>
        <source>配置文件不存在，创建默认配置文件: %1</source>
        <translation>The configuration file does not exist; creating the default one: %1</translation>
    </message>
    <message>
        <source>默认打印测试配置文件创建成功: %1</source>
        <translation>Default print test configuration file created: %1</translation>
    </message>
    <message>
        <source>创建默认打印测试配置文件失败: %1</source>
        <translation>Failed to create the default print test configuration file: %1</translation>
    </message>
    <message>
        <source>打印测试配置加载完成</source>
        <translation>Print test configuration loaded</translation>
    </message>
    <message>
        <source>条码类型已保存: %1</source>
        <translation>Barcode type saved: %1</translation>
    </message>
    <message>
        <source>条码值已保存: %1</source>
        <translation>Barcode value saved: %1</translation>
    </message>
    <message>
        <source>位图路径已保存: %1</source>
        <translation>Bitmap path saved: %1</translation>
    </message>
    <message>
        <source>测试页文本已保存</source>
        <translation>Test page text saved</translation>
    </message>
    <message>
        <source>58小票文本已保存</source>
        <translation>58 mm receipt text saved</translation>
    </message>
    <message>
        <source>76小票文本已保存</source>
        <translation>76 mm receipt text saved</translation>
    </message>
    <message>
        <source>80小票文本已保存</source>
        <translation>80 mm receipt text saved</translation>
    </message>
    <message>
        <source>TCP网段已保存: %1</source>
        <translation>TCP segment saved: %1</translation>
    </message>
    <message>
        <source>TCP网段模式已保存: %1</source>
        <translation>TCP segment mode saved: %1</translation>
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
        <translation>Current device model set to: %1</translation>
    </message>
    <message>
        <source>当前设备名称已设置为: %1</source>
        <translation>Current device name set to: %1</translation>
    </message>
    <message>
        <source>打印测试配置文件为空或已损坏，重新创建默认配置文件: %1</source>
        <translation>The print test configuration file is empty or damaged; creating the default one again: %1</translation>
    </message>
    <message>
        <source>损坏的配置文件已备份为: %1</source>
        <translation>The damaged configuration file was kept as: %1</translation>
    </message>
    <message>
        <source>打印测试配置文件缺少或损坏的项已使用默认值: %1</source>
        <translation>Missing or damaged entries of the print test configuration file use their default values: %1</translation>
    </message>
    <message>
        <source>保存配置项失败: %1 (%2)</source>
        <translation>Failed to save the setting: %1 (%2)</translation>
    </message>
    <message>
        <source>设置未能保存，请检查配置文件夹是否可写、磁盘是否已满: %1</source>
        <translation>The setting could not be saved. Check that the configuration folder is writable and the disk is not full: %1</translation>
    </message>
    <message>
        <source>图片转换设置已保存: %1 亮度 %2 对比度 %3 反相 %4</source>
        <translation>Picture conversion saved: %1 brightness %2 contrast %3 inverted %4</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>%1 不是有效的网段: %2（应为前三个数字，如 10.1.2.），使用保存的设置</source>
        <translation>%1 is not a valid segment: %2 (expected the first three numbers, such as 10.1.2.); the stored segment is used</translation>
    </message>
    <message>
        <source>本次运行搜索网段 %1（%2，未保存）</source>
        <translation>Searching the segment %1 for this run (%2, not stored)</translation>
    </message>
</context>
<context>
    <name>DeviceItemDelegate</name>
    <message>
        <source>型号:</source>
        <translation>Model: </translation>
    </message>
    <message>
        <source>厂商: </source>
        <translation>Manufacturer: </translation>
    </message>
    <message>
        <source>地址: </source>
        <translation>Address: </translation>
    </message>
</context>
<context>
    <name>DeviceListModel</name>
    <message>
        <source>未知设备</source>
        <translation>Unknown device</translation>
    </message>
    <message>
        <source>未知IP</source>
        <translation>Unknown IP</translation>
    </message>
    <message>
        <source>未知MAC</source>
        <translation>Unknown MAC</translation>
    </message>
    <message>
        <source>未知V/PID</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>未知型号</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>未知厂商</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>未知地址</source>
        <translation>unknown</translation>
    </message>
</context>
<context>
    <name>DeviceSearchPage</name>
    <message>
        <source>设备搜索</source>
        <translation>Device search</translation>
    </message>
    <message>
        <source>设备列表</source>
        <translation>Device list</translation>
    </message>
    <message>
        <source>搜索设备中...</source>
        <translation>Searching for devices...</translation>
    </message>
    <message>
        <source>发现设备 (%1)</source>
        <translation>Devices found (%1)</translation>
    </message>
    <message>
        <source>点击搜索按钮发现设备</source>
        <translation>Click the search button to find devices</translation>
    </message>
    <message>
        <source>正在搜索设备...</source>
        <translation>Searching for devices...</translation>
    </message>
    <message>
        <source>未发现设备</source>
        <translation>No device found</translation>
    </message>
    <message>
        <source>⚙️配置</source>
        <translation>⚙️ Configure</translation>
    </message>
    <message>
        <source>⏳搜索中</source>
        <translation>⏳ Searching</translation>
    </message>
    <message>
        <source>🔍搜索设备</source>
        <translation>🔍 Search</translation>
    </message>
    <message>
        <source>🔗连接设备</source>
        <translation>🔗 Connect</translation>
    </message>
    <message>
        <source>+添加设备</source>
        <translation>+ Add device</translation>
    </message>
    <message>
        <source>进入配置界面&gt;</source>
        <translation>Printer commands &gt;</translation>
    </message>
</context>
<context>
    <name>DriverFunctionPage</name>
    <message>
        <source>驱动连接</source>
        <translation type="vanished">Driver connection</translation>
    </message>
    <message>
        <source>请先选择一个打印机</source>
        <translation>Please select a printer first</translation>
    </message>
    <message>
        <source>打印机不可用</source>
        <translation>Printer not available</translation>
    </message>
    <message>
        <source>驱动连接设置</source>
        <translation>Driver connection settings</translation>
    </message>
    <message>
        <source>当前列表为空</source>
        <translation>The current list is empty</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>进入配置界面&gt;</source>
        <translation>Printer commands &gt;</translation>
    </message>
</context>
<context>
    <name>DriverPrinterItem</name>
    <message>
        <source>打开队列</source>
        <translation>Open queue</translation>
    </message>
    <message>
        <source>管理</source>
        <translation>Manage</translation>
    </message>
    <message>
        <source>删除设备</source>
        <translation>Delete device</translation>
    </message>
</context>
<context>
    <name>FunctionMainLayout</name>
    <message>
        <source>工作模式</source>
        <translation>Working mode</translation>
    </message>
    <message>
        <source>蜂鸣-报警-切刀</source>
        <translation>Buzzer, cutter</translation>
    </message>
    <message>
        <source>实时状态</source>
        <translation>Real-time status</translation>
    </message>
    <message>
        <source>钱箱</source>
        <translation>Cash drawer</translation>
    </message>
    <message>
        <source>字符</source>
        <translation>Character</translation>
    </message>
    <message>
        <source>位图logo</source>
        <translation>Bitmap logo</translation>
    </message>
    <message>
        <source>条码</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>灯光</source>
        <translation>Lighting</translation>
    </message>
    <message>
        <source>更多参数设置</source>
        <translation>More settings</translation>
    </message>
    <message>
        <source>无线及网络设置</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>切换窗口: </source>
        <translation>Page shown: </translation>
    </message>
    <message>
        <source>返回设备列表</source>
        <translation>Back to list</translation>
    </message>
</context>
<context>
    <name>HttpRequest</name>
    <message>
        <source>无效URL</source>
        <translation>Invalid URL</translation>
    </message>
    <message>
        <source>打印机的回答不是HTTP</source>
        <translation>The printer's answer is not HTTP</translation>
    </message>
    <message>
        <source>缺少主机名</source>
        <translation>Missing host name</translation>
    </message>
</context>
<context>
    <name>IPSettingsForm</name>
    <message>
        <source>IP地址</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>子网掩码</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>默认网关</source>
        <translation>Default gateway</translation>
    </message>
    <message>
        <source>%1格式不正确，请输入四组0-255的数字，如 192.168.1.100</source>
        <translation>%1 is not valid: enter four numbers from 0 to 255, such as 192.168.1.100</translation>
    </message>
    <message>
        <source>响应超时</source>
        <translation>No answer in time</translation>
    </message>
</context>
<context>
    <name>IPSettingsTcpLayout</name>
    <message>
        <source>IP设置</source>
        <translation>IP settings</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>请输入IP</source>
        <translation>Enter the IP address</translation>
    </message>
    <message>
        <source>子网掩码:</source>
        <translation>Mask:</translation>
    </message>
    <message>
        <source>请输入子网掩码</source>
        <translation>Enter the subnet mask</translation>
    </message>
    <message>
        <source>默认网关:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>请输入默认网关</source>
        <translation>Enter the default gateway</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Apply</translation>
    </message>
</context>
<context>
    <name>IPSettingsUsbLayout</name>
    <message>
        <source>(型号:r-vontasil 生效)</source>
        <translation>(model r-vontasil only)</translation>
    </message>
    <message>
        <source>IP设置</source>
        <translation>IP settings</translation>
    </message>
    <message>
        <source>提示：USB模式设置IP只对L7D生效</source>
        <translation>Tip: setting the IP over USB works only on the L7D</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>请输入IP</source>
        <translation>Enter the IP address</translation>
    </message>
    <message>
        <source>子网掩码:</source>
        <translation>Mask:</translation>
    </message>
    <message>
        <source>请输入子网掩码</source>
        <translation>Enter the subnet mask</translation>
    </message>
    <message>
        <source>默认网关:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>请输入默认网关</source>
        <translation>Enter the default gateway</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>蓝牙设置</source>
        <translation>Bluetooth settings</translation>
    </message>
    <message>
        <source>蓝牙名称:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>蓝牙配对码:</source>
        <translation>Pairing code:</translation>
    </message>
    <message>
        <source>蓝牙地址:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>打印功能配置</source>
        <translation>Print functions</translation>
    </message>
    <message>
        <source>打印指令集:</source>
        <translation>Command set:</translation>
    </message>
    <message>
        <source>纸张类型:</source>
        <translation>Paper type:</translation>
    </message>
    <message>
        <source>0:小票纸</source>
        <translation>0: Receipt paper</translation>
    </message>
    <message>
        <source>1:间隙纸</source>
        <translation>1: Label paper</translation>
    </message>
    <message>
        <source>打印速度模式:</source>
        <translation>Print speed:</translation>
    </message>
    <message>
        <source>0:系统默认</source>
        <translation>0: System default</translation>
    </message>
    <message>
        <source>1:较慢</source>
        <translation>1: Slower</translation>
    </message>
    <message>
        <source>2:正常</source>
        <translation>2: Normal</translation>
    </message>
    <message>
        <source>3:较快</source>
        <translation>3: Faster</translation>
    </message>
    <message>
        <source>打印浓度模式:</source>
        <translation>Print density:</translation>
    </message>
    <message>
        <source>1:较淡</source>
        <translation>1: Lighter</translation>
    </message>
    <message>
        <source>3:较浓</source>
        <translation>3: Darker</translation>
    </message>
    <message>
        <source>字符集:</source>
        <translation>Character set:</translation>
    </message>
    <message>
        <source>0:GB18030(中文)</source>
        <translation>0: GB18030 (Chinese)</translation>
    </message>
</context>
<context>
    <name>KVZCODE128Dialog</name>
    <message>
        <source>输入不能为空</source>
        <translation>Input cannot be empty</translation>
    </message>
    <message>
        <source>手动输入模式</source>
        <translation>Manual input mode</translation>
    </message>
    <message>
        <source>提示:请输入可见字符</source>
        <translation>Hint: enter visible characters</translation>
    </message>
    <message>
        <source>上传</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>清空全部</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>KVZCharInputDialog</name>
    <message>
        <source>字符输入</source>
        <translation>Character input</translation>
    </message>
    <message>
        <source>剩余字数: </source>
        <translation>Characters left: </translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>切换小写</source>
        <translation>Lower case</translation>
    </message>
    <message>
        <source>切换大写</source>
        <translation>Upper case</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>KVZCustomCharTable</name>
    <message>
        <source>十六进制</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>纵向字符</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>横向字符</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>KVZNumberInputDialog</name>
    <message>
        <source>数字输入</source>
        <translation>Number input</translation>
    </message>
    <message>
        <source>剩余字数: </source>
        <translation>Characters left: </translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>KVZPushButton</name>
    <message>
        <source>按钮</source>
        <translation>Button</translation>
    </message>
</context>
<context>
    <name>LampForm</name>
    <message>
        <source>设置待机灯光开关</source>
        <translation>Standby lamp switch</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>指示灯颜色设置</source>
        <translation>Indicator lamp colours</translation>
    </message>
    <message>
        <source>工作灯</source>
        <translation>Work lamp</translation>
    </message>
    <message>
        <source>缺纸灯</source>
        <translation>Paper-out lamp</translation>
    </message>
    <message>
        <source>刀片灯</source>
        <translation>Cutter lamp</translation>
    </message>
    <message>
        <source>过热灯</source>
        <translation>Overheat lamp</translation>
    </message>
    <message>
        <source>待机灯常亮</source>
        <translation>Standby lamp steady</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>待机灯种类模式设置</source>
        <translation>Standby lamp pattern</translation>
    </message>
    <message>
        <source>常亮</source>
        <translation>Steady</translation>
    </message>
    <message>
        <source>律动1</source>
        <translation>Rhythm 1</translation>
    </message>
    <message>
        <source>律动2</source>
        <translation>Rhythm 2</translation>
    </message>
</context>
<context>
    <name>LeftPage</name>
    <message>
        <source>管理</source>
        <translation>Manage</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>驱动</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>Switch language</translation>
    </message>
    <message>
        <source>打开日志</source>
        <translation>Open log</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>日志查看器</source>
        <translation>Log viewer</translation>
    </message>
    <message>
        <source>保存文本文件</source>
        <translation>Save text file</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>操作日志</source>
        <translation>Operation log</translation>
    </message>
    <message>
        <source>保存日志</source>
        <translation>Save log</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Keep on top</translation>
    </message>
    <message>
        <source>日志级别过滤:</source>
        <translation>Show level:</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>日志行数: </source>
        <translation>Number of log lines: </translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Logger</name>
    <message>
        <source>应用程序启动
</source>
        <translation>Application started
</translation>
    </message>
    <message>
        <source>日志目录创建成功:</source>
        <translation>Log folder created:</translation>
    </message>
    <message>
        <source>无法创建日志目录:</source>
        <translation>Cannot create the log folder:</translation>
    </message>
    <message>
        <source>日志文件创建成功: %1</source>
        <translation>Log file created: %1</translation>
    </message>
    <message>
        <source>无法创建日志文件:</source>
        <translation>Cannot create the log file:</translation>
    </message>
    <message>
        <source>日期变更，切换到新的日志文件</source>
        <translation>New day: switching to a new log file</translation>
    </message>
    <message>
        <source>日志文件大小达到限制 (%1 MB)，创建新文件</source>
        <translation>The log file has reached its size limit (%1 MB); starting a new file</translation>
    </message>
    <message>
        <source>日志级别设置为: %1</source>
        <translation>Log level set to: %1</translation>
    </message>
    <message>
        <source>无法创建目录:</source>
        <translation>Cannot create the folder:</translation>
    </message>
    <message>
        <source>无法打开文件进行写入:</source>
        <translation>Cannot open the file for writing:</translation>
    </message>
    <message>
        <source>日志保存成功:</source>
        <translation>Log saved:</translation>
    </message>
</context>
<context>
    <name>MinimizeButton</name>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
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
    <name>OtherForm</name>
    <message>
        <source>美国</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>法国</source>
        <translation>France</translation>
    </message>
    <message>
        <source>德国</source>
        <translation>Germany</translation>
    </message>
    <message>
        <source>英国</source>
        <translation>UK</translation>
    </message>
    <message>
        <source>丹麦I</source>
        <translation>Denmark I</translation>
    </message>
    <message>
        <source>瑞典</source>
        <translation>Sweden</translation>
    </message>
    <message>
        <source>意大利</source>
        <translation>Italy</translation>
    </message>
    <message>
        <source>西班牙I</source>
        <translation>Spain I</translation>
    </message>
    <message>
        <source>日本</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>挪威</source>
        <translation>Norway</translation>
    </message>
    <message>
        <source>丹麦II</source>
        <translation>Denmark II</translation>
    </message>
    <message>
        <source>西班牙II</source>
        <translation>Spain II</translation>
    </message>
    <message>
        <source>拉丁美洲</source>
        <translation>Latin America</translation>
    </message>
    <message>
        <source>韩国</source>
        <translation>Korea</translation>
    </message>
    <message>
        <source>斯洛维尼亚/克罗帝亚</source>
        <translation>Slovenia/Croatia</translation>
    </message>
    <message>
        <source>中国</source>
        <translation>China</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>2倍</source>
        <translation>2×</translation>
    </message>
    <message>
        <source>3倍</source>
        <translation>3×</translation>
    </message>
    <message>
        <source>4倍</source>
        <translation>4×</translation>
    </message>
    <message>
        <source>5倍</source>
        <translation>5×</translation>
    </message>
    <message>
        <source>6倍</source>
        <translation>6×</translation>
    </message>
    <message>
        <source>7倍</source>
        <translation>7×</translation>
    </message>
    <message>
        <source>8倍</source>
        <translation>8×</translation>
    </message>
    <message>
        <source>设置打印模式:</source>
        <translation>Print mode:</translation>
    </message>
    <message>
        <source>国际字符集：</source>
        <translation>International character set:</translation>
    </message>
    <message>
        <source>设置蜂鸣器开关:</source>
        <translation>Buzzer switch:</translation>
    </message>
    <message>
        <source>设置切刀开关:</source>
        <translation>Cutter switch:</translation>
    </message>
    <message>
        <source>设置错误蜂鸣类型:</source>
        <translation>Error beep type:</translation>
    </message>
    <message>
        <source>一直响</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>响6声</source>
        <translation>6 beeps</translation>
    </message>
    <message>
        <source>对齐方式:</source>
        <translation>Alignment:</translation>
    </message>
    <message>
        <source>左对齐</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>中间对齐</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>右对齐</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>顺时针旋转90度</source>
        <translation>Rotate 90° clockwise</translation>
    </message>
    <message>
        <source>倒置打印</source>
        <translation>Upside-down printing</translation>
    </message>
    <message>
        <source>字符大小</source>
        <translation>Character size</translation>
    </message>
    <message>
        <source>字符宽：</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>字符高：</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>黑白反显</source>
        <translation>Reverse printing</translation>
    </message>
    <message>
        <source>左边距</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>×256)×横向移动单位]英寸</source>
        <translation>×256) × horizontal motion unit] inch</translation>
    </message>
    <message>
        <source>打印区域宽度</source>
        <translation>Print area width</translation>
    </message>
    <message>
        <source>移动单位</source>
        <translation>Motion units</translation>
    </message>
    <message>
        <source>横向：</source>
        <translation>Horizontal:</translation>
    </message>
    <message>
        <source>纵向：</source>
        <translation>Vertical:</translation>
    </message>
    <message>
        <source>纸张大小:</source>
        <translation>Paper size:</translation>
    </message>
    <message>
        <source>纸张间隙:</source>
        <translation>Paper gap:</translation>
    </message>
    <message>
        <source>最小间距</source>
        <translation>Minimum gap</translation>
    </message>
    <message>
        <source>紧密排列</source>
        <translation>Tight</translation>
    </message>
    <message>
        <source>默认间距</source>
        <translation>Default gap</translation>
    </message>
    <message>
        <source>宽松间距</source>
        <translation>Loose</translation>
    </message>
    <message>
        <source>打印速度:</source>
        <translation>Print speed:</translation>
    </message>
    <message>
        <source>打印浓度：</source>
        <translation>Print density:</translation>
    </message>
    <message>
        <source>外设</source>
        <translation>Peripherals</translation>
    </message>
    <message>
        <source>启用切刀</source>
        <translation>Enable cutter</translation>
    </message>
    <message>
        <source>启用蜂鸣</source>
        <translation>Enable buzzer</translation>
    </message>
    <message>
        <source>启用钱箱</source>
        <translation>Enable cash drawer</translation>
    </message>
    <message>
        <source>启用中文</source>
        <translation>Enable Chinese</translation>
    </message>
    <message>
        <source>汉字字符模式:</source>
        <translation>Chinese character mode:</translation>
    </message>
    <message>
        <source>倍宽</source>
        <translation>Double width</translation>
    </message>
    <message>
        <source>倍高</source>
        <translation>Double height</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>汉字字符间距</source>
        <translation>Chinese character spacing</translation>
    </message>
    <message>
        <source>汉字字符左间距:</source>
        <translation>Left spacing:</translation>
    </message>
    <message>
        <source>汉字字符右间距:</source>
        <translation>Right spacing:</translation>
    </message>
    <message>
        <source>设置机器型号:</source>
        <translation>Machine model:</translation>
    </message>
    <message>
        <source>最多16个字符</source>
        <translation>At most 16 characters</translation>
    </message>
    <message>
        <source>恢复出厂设置</source>
        <translation>Restore factory settings</translation>
    </message>
    <message>
        <source>USB升级模式</source>
        <translation>USB upgrade mode</translation>
    </message>
</context>
<context>
    <name>ParameterRow</name>
    <message>
        <source>设置</source>
        <translation>Apply</translation>
    </message>
</context>
<context>
    <name>PictureConversionControls</name>
    <message>
        <source>阈值</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <source>误差扩散 (Floyd–Steinberg)</source>
        <translation>Floyd–Steinberg</translation>
    </message>
    <message>
        <source>误差扩散 (Atkinson)</source>
        <translation>Atkinson</translation>
    </message>
    <message>
        <source>有序抖动 (Bayer 8×8)</source>
        <translation>Ordered (Bayer 8×8)</translation>
    </message>
    <message>
        <source>转换方式:</source>
        <translation>Method:</translation>
    </message>
    <message>
        <source>亮度:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>对比度:</source>
        <translation>Contrast:</translation>
    </message>
    <message>
        <source>反相</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
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
        <translation>Nothing to print</translation>
    </message>
</context>
<context>
    <name>PrintPreviewDialog</name>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>PrintPreviewPane</name>
    <message>
        <source>预览第 %1 张</source>
        <translation>Preview, page %1</translation>
    </message>
    <message>
        <source>不会打印任何内容</source>
        <translation>Nothing would be printed</translation>
    </message>
    <message>
        <source>%1 处打印机无法识别</source>
        <translation>%1 parts the printer cannot decode</translation>
    </message>
    <message>
        <source>%1 个条码或二维码无法打印</source>
        <translation>%1 barcodes or QR codes cannot be printed</translation>
    </message>
    <message>
        <source>另有 %1 张未显示</source>
        <translation>%1 more pages not shown</translation>
    </message>
</context>
<context>
    <name>QAbstractSocket</name>
    <message>
        <source>Host not found</source>
        <translation>Host not found</translation>
    </message>
    <message>
        <source>Socket operation timed out</source>
        <translation>Socket operation timed out</translation>
    </message>
</context>
<context>
    <name>QmlLanguage</name>
    <message>
        <source>创建配置文件夹: %1</source>
        <translation>Creating the configuration folder: %1</translation>
    </message>
    <message>
        <source>创建配置文件夹失败: %1</source>
        <translation>Failed to create the configuration folder: %1</translation>
    </message>
    <message>
        <source>配置文件不存在，创建默认配置文件: %1</source>
        <translation>The configuration file does not exist; creating the default one: %1</translation>
    </message>
    <message>
        <source>默认配置文件创建成功: %1</source>
        <translation>Default configuration file created: %1</translation>
    </message>
    <message>
        <source>创建默认配置文件失败: %1</source>
        <translation>Failed to create the default configuration file: %1</translation>
    </message>
    <message>
        <source>读取配置文件路径: %1</source>
        <translation>Reading the configuration file: %1</translation>
    </message>
    <message>
        <source>空</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>从配置文件读取到语言代码: %1</source>
        <translation>Language code in the configuration file: %1</translation>
    </message>
    <message>
        <source>应用程序基础目录: %1</source>
        <translation>Application folder: %1</translation>
    </message>
    <message>
        <source>成功加载中文翻译文件</source>
        <translation>Chinese translation loaded</translation>
    </message>
    <message>
        <source>成功加载英文翻译文件</source>
        <translation>English translation loaded</translation>
    </message>
    <message>
        <source>未识别的语言代码: %1，使用默认语言</source>
        <translation>Unknown language code: %1; using the default language</translation>
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
        <translation>Language switched to: %1</translation>
    </message>
    <message>
        <source>设置语言到配置文件: %1</source>
        <translation>Writing the language to the configuration file: %1</translation>
    </message>
    <message>
        <source>配置文件路径: %1</source>
        <translation>Configuration file: %1</translation>
    </message>
    <message>
        <source>语言设置已保存到配置文件: %1</source>
        <translation>Language saved to the configuration file: %1</translation>
    </message>
    <message>
        <source>应用程序将重启以应用新的语言设置</source>
        <translation>The application restarts to use the new language</translation>
    </message>
    <message>
        <source>新应用实例启动成功，当前应用即将退出</source>
        <translation>The new instance has started; this one exits now</translation>
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
        <translation>CodePageSelect saved to the configuration file: %1</translation>
    </message>
    <message>
        <source>无法启动 %1: %2</source>
        <translation>Could not start %1: %2</translation>
    </message>
    <message>
        <source>程序文件不存在</source>
        <translation>The program file does not exist</translation>
    </message>
    <message>
        <source>程序文件不可执行</source>
        <translation>The program file is not executable</translation>
    </message>
    <message>
        <source>配置文件为空或已损坏，重新创建默认配置文件: %1</source>
        <translation>The configuration file is empty or damaged; creating the default one again: %1</translation>
    </message>
    <message>
        <source>损坏的配置文件已备份为: %1</source>
        <translation>The damaged configuration file was kept as: %1</translation>
    </message>
    <message>
        <source>保存配置项失败: %1 (%2)</source>
        <translation>Failed to save the setting: %1 (%2)</translation>
    </message>
    <message>
        <source>找不到图片: %1</source>
        <translation>Picture not found: %1</translation>
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
        <translation>Both cash drawers closed</translation>
    </message>
    <message>
        <source>一个或两个钱箱打开</source>
        <translation>One or both cash drawers open</translation>
    </message>
    <message>
        <source>脱机</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>联机</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>脱机状态:
</source>
        <translation>Offline status:
</translation>
    </message>
    <message>
        <source>上盖开</source>
        <translation>Cover open</translation>
    </message>
    <message>
        <source>上盖关</source>
        <translation>Cover closed</translation>
    </message>
    <message>
        <source>按下走纸键</source>
        <translation>Feed button pressed</translation>
    </message>
    <message>
        <source>未按走纸键</source>
        <translation>Feed button not pressed</translation>
    </message>
    <message>
        <source>打印机缺纸</source>
        <translation>Out of paper</translation>
    </message>
    <message>
        <source>打印机不缺纸</source>
        <translation>Paper loaded</translation>
    </message>
    <message>
        <source>有错误情况</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>没有出错情况</source>
        <translation>No error</translation>
    </message>
    <message>
        <source>错误状态:
</source>
        <translation>Error status:
</translation>
    </message>
    <message>
        <source>切刀有错误</source>
        <translation>Cutter error</translation>
    </message>
    <message>
        <source>切刀无错误</source>
        <translation>No cutter error</translation>
    </message>
    <message>
        <source>有不可恢复错误</source>
        <translation>Unrecoverable error</translation>
    </message>
    <message>
        <source>无不可恢复错误</source>
        <translation>No unrecoverable error</translation>
    </message>
    <message>
        <source>打印头温度或电压超出范围</source>
        <translation>Print head temperature or voltage out of range</translation>
    </message>
    <message>
        <source>打印头温度和电压正常</source>
        <translation>Print head temperature and voltage normal</translation>
    </message>
    <message>
        <source>传送纸状态:
</source>
        <translation>Paper status:
</translation>
    </message>
    <message>
        <source>纸尽</source>
        <translation>Paper end</translation>
    </message>
    <message>
        <source>有纸</source>
        <translation>Paper present</translation>
    </message>
    <message>
        <source>响应超时</source>
        <translation>No answer in time</translation>
    </message>
    <message>
        <source>实时状态</source>
        <translation>Real-time status</translation>
    </message>
    <message>
        <source>打印机状态</source>
        <translation>Printer status</translation>
    </message>
    <message>
        <source>脱机状态</source>
        <translation>Offline status</translation>
    </message>
    <message>
        <source>错误状态</source>
        <translation>Error status</translation>
    </message>
    <message>
        <source>传送纸状态</source>
        <translation>Paper status</translation>
    </message>
    <message>
        <source>状态信息</source>
        <translation>Status messages</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>RestartDialog</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>RightPage</name>
    <message>
        <source>切换到usb</source>
        <translation>Switched to USB</translation>
    </message>
    <message>
        <source>切换到tcp</source>
        <translation>Switched to TCP</translation>
    </message>
    <message>
        <source>切换到串口</source>
        <translation>Switched to serial port</translation>
    </message>
    <message>
        <source>切换到驱动</source>
        <translation>Switched to driver</translation>
    </message>
</context>
<context>
    <name>ScanWorker</name>
    <message>
        <source>try to connect :%1</source>
        <translation>try to connect :%1</translation>
    </message>
    <message>
        <source>[第二次搜索] try to connect :%1</source>
        <translation>[Second search] try to connect: %1</translation>
    </message>
    <message>
        <source>%1 connected!</source>
        <translation>%1 connected!</translation>
    </message>
    <message>
        <source>[第二次搜索] %1 connected!</source>
        <translation>[Second search] %1 connected!</translation>
    </message>
    <message>
        <source>IP: %1 arp:msg: %2</source>
        <translation>IP: %1 arp:msg: %2</translation>
    </message>
    <message>
        <source>IP: %1 destMac: %2</source>
        <translation>IP: %1 destMac: %2</translation>
    </message>
    <message>
        <source>[第二次搜索] IP: %1 destMac: %2</source>
        <translation>[Second search] IP: %1 destMac: %2</translation>
    </message>
    <message>
        <source>get url: %1 </source>
        <translation>get url: %1 </translation>
    </message>
    <message>
        <source>Abort request after timeout</source>
        <translation>Abort request after timeout</translation>
    </message>
    <message>
        <source>fetch failed : %1</source>
        <translation>fetch failed : %1</translation>
    </message>
    <message>
        <source>未知型号，开始使用nbtstat 搜索</source>
        <translation>Unknown model; asking with nbtstat</translation>
    </message>
    <message>
        <source>上次搜索到设备但本次未找到，可能是搜索异常，准备重新搜索...</source>
        <translation>A device found last time was not found this time; the search may have gone wrong. Searching again...</translation>
    </message>
    <message>
        <source>本次搜索结果与上次不一致，可能是搜索异常，准备重新搜索...</source>
        <translation>This search found other devices than the last one; the search may have gone wrong. Searching again...</translation>
    </message>
    <message>
        <source>本次搜索完成，共发现 %1 个设备</source>
        <translation>Search finished: %1 devices found</translation>
    </message>
    <message>
        <source>开始第二次搜索...</source>
        <translation>Starting the second search...</translation>
    </message>
    <message>
        <source>第二次搜索结果不如第一次，使用第一次结果（%1 个）</source>
        <translation>The second search found less than the first; keeping the first results (%1)</translation>
    </message>
    <message>
        <source>第二次搜索完成，发现 %1 个设备（第一次: %2 个）</source>
        <translation>Second search finished: %1 devices found (first: %2)</translation>
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
        <translation>htmlContent: %1</translation>
    </message>
    <message>
        <source>通过 nativeColorPicker 判断型号: KVZ-L7N</source>
        <translation>Model recognised by nativeColorPicker: KVZ-L7N</translation>
    </message>
    <message>
        <source>通过 configureNetwork 判断型号: KVZ-L7N</source>
        <translation>Model recognised by configureNetwork: KVZ-L7N</translation>
    </message>
    <message>
        <source>通过 rgbToHex 判断型号: KVZ-L7N</source>
        <translation>Model recognised by rgbToHex: KVZ-L7N</translation>
    </message>
</context>
<context>
    <name>SerialFunctionPage</name>
    <message>
        <source>串口连接</source>
        <translation type="vanished">Serial port connection</translation>
    </message>
    <message>
        <source>串口连接设置</source>
        <translation>Serial port connection settings</translation>
    </message>
    <message>
        <source>COM口:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>波特率:</source>
        <translation>Baud:</translation>
    </message>
    <message>
        <source>已连接</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Open port</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>刷新串口</source>
        <translation>Refresh ports</translation>
    </message>
    <message>
        <source>进入配置界面&gt;</source>
        <translation>Printer commands &gt;</translation>
    </message>
    <message>
        <source>串口错误: </source>
        <translation>Serial port error: </translation>
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
        <translation>The serial port is already connected</translation>
    </message>
    <message>
        <source>串口连接失败: </source>
        <translation>Serial port connection failed: </translation>
    </message>
    <message>
        <source>设置波特率失败: </source>
        <translation>Failed to set the baud rate: </translation>
    </message>
    <message>
        <source>设置数据位失败: </source>
        <translation>Failed to set the data bits: </translation>
    </message>
    <message>
        <source>设置停止位失败: </source>
        <translation>Failed to set the stop bits: </translation>
    </message>
    <message>
        <source>设置校验位失败: </source>
        <translation>Failed to set the parity: </translation>
    </message>
    <message>
        <source>设置流控制失败: </source>
        <translation>Failed to set the flow control: </translation>
    </message>
    <message>
        <source>串口连接成功:%1 波特率:%2  </source>
        <translation>Serial port connected: %1 baud rate: %2  </translation>
    </message>
    <message>
        <source>串口已断开连接</source>
        <translation>The serial port was disconnected</translation>
    </message>
    <message>
        <source>刷新缓冲区失败</source>
        <translation>Failed to flush the buffer</translation>
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
        <translation>Not all data was sent</translation>
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
        <translation>Not all hexadecimal data was sent</translation>
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
        <translation>The device is already open or cannot be opened</translation>
    </message>
    <message>
        <source>写入数据失败</source>
        <translation>Failed to write data</translation>
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
        <translation>Operation timed out</translation>
    </message>
    <message>
        <source>设备未打开</source>
        <translation>Device not open</translation>
    </message>
    <message>
        <source>未知错误: </source>
        <translation>Unknown error: </translation>
    </message>
    <message>
        <source>没有权限打开 %1：请把用户加入 dialout 组（sudo usermod -aG dialout $USER），重新登录后再试</source>
        <translation>No permission to open %1: add the user to the group dialout (sudo usermod -aG dialout $USER), log in again and retry</translation>
    </message>
</context>
<context>
    <name>SerialSettingsCard</name>
    <message>
        <source>串口设置</source>
        <translation>Serial settings</translation>
    </message>
    <message>
        <source>波特率:</source>
        <translation>Baud:</translation>
    </message>
    <message>
        <source>数据位:</source>
        <translation>Data bits:</translation>
    </message>
    <message>
        <source>校验位:</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <source>停止位:</source>
        <translation>Stop bits:</translation>
    </message>
</context>
<context>
    <name>SerialTerminalDrawer</name>
    <message>
        <source>接收数据:</source>
        <translation>Received data:</translation>
    </message>
    <message>
        <source>无效的十六进制数据！请输入有效的十六进制字符串（偶数位数字符）。</source>
        <translation>Invalid hexadecimal data! Enter an even number of hexadecimal digits.</translation>
    </message>
    <message>
        <source>[发送 </source>
        <translation>[Sent </translation>
    </message>
    <message>
        <source>十六进制显示</source>
        <translation>Show as hex</translation>
    </message>
    <message>
        <source>接收到的数据将显示在这里...</source>
        <translation>Received data appears here...</translation>
    </message>
    <message>
        <source>清空接收</source>
        <translation>Clear received</translation>
    </message>
    <message>
        <source>发送数据:</source>
        <translation>Data to send:</translation>
    </message>
    <message>
        <source>十六进制发送</source>
        <translation>Send as hex</translation>
    </message>
    <message>
        <source>在此输入十六进制数据（如：48 65 6C 6C 6F）...</source>
        <translation>Enter hexadecimal data here (e.g. 48 65 6C 6C 6F)...</translation>
    </message>
    <message>
        <source>在此输入要发送的数据...</source>
        <translation>Enter the data to send here...</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>SettingChoiceRow</name>
    <message>
        <source>查询</source>
        <translation>Query</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
</context>
<context>
    <name>SettingsBarcodePage</name>
    <message>
        <source>输入11或12位数字</source>
        <translation>Enter 11 or 12 digits</translation>
    </message>
    <message>
        <source>输入6或7位数字</source>
        <translation>Enter 6 or 7 digits</translation>
    </message>
    <message>
        <source>输入12或13位数字</source>
        <translation>Enter 12 or 13 digits</translation>
    </message>
    <message>
        <source>输入7或8位数字</source>
        <translation>Enter 7 or 8 digits</translation>
    </message>
    <message>
        <source>输入1-255个字符</source>
        <translation>Enter 1-255 characters</translation>
    </message>
    <message>
        <source>输入1-255个数字, 个数为偶数个</source>
        <translation>Enter an even number of digits, 2 to 254</translation>
    </message>
    <message>
        <source>条码类型:</source>
        <translation>Barcode type:</translation>
    </message>
    <message>
        <source>条码内容:</source>
        <translation>Barcode content:</translation>
    </message>
    <message>
        <source>设置为测试打印条码</source>
        <translation>Set as test barcode</translation>
    </message>
    <message>
        <source>重置为默认条码</source>
        <translation>Reset to default</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>图片</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>设置打印图片</source>
        <translation>Test print picture</translation>
    </message>
    <message>
        <source>条码</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>设置打印条码</source>
        <translation>Test print barcode</translation>
    </message>
    <message>
        <source>测试页</source>
        <translation>Test page</translation>
    </message>
    <message>
        <source>设置打印测试页</source>
        <translation>Test page contents</translation>
    </message>
    <message>
        <source>小票</source>
        <translation>Receipt</translation>
    </message>
    <message>
        <source>设置打印小票</source>
        <translation>Sample receipts</translation>
    </message>
    <message>
        <source>设置打印内容</source>
        <translation>Set print contents</translation>
    </message>
</context>
<context>
    <name>SettingsImagePage</name>
    <message>
        <source>选择图片:</source>
        <translation>Picture:</translation>
    </message>
    <message>
        <source>请选择图片文件</source>
        <translation>Choose a picture file</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>设置为测试打印图片</source>
        <translation>Set as test picture</translation>
    </message>
    <message>
        <source>重置为默认图片</source>
        <translation>Reset to default</translation>
    </message>
    <message>
        <source>选择图片文件</source>
        <translation>Choose a picture file</translation>
    </message>
    <message>
        <source>图片文件 (*.png *.jpg *.jpeg *.bmp )</source>
        <translation>Picture files (*.png *.jpg *.jpeg *.bmp )</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>无法读取</source>
        <translation>Unreadable</translation>
    </message>
    <message>
        <source>%1 × %2 点</source>
        <translation>%1 × %2 dots</translation>
    </message>
</context>
<context>
    <name>SettingsReceiptPage</name>
    <message>
        <source>58小票</source>
        <translation>58 mm</translation>
    </message>
    <message>
        <source>76小票</source>
        <translation>76 mm</translation>
    </message>
    <message>
        <source>80小票</source>
        <translation>80 mm</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test </translation>
    </message>
    <message>
        <source>请输入商品名称</source>
        <translation>Please enter the product name</translation>
    </message>
    <message>
        <source>数量必须为正整数</source>
        <translation>The quantity must be a positive integer</translation>
    </message>
    <message>
        <source>价格必须为非负数</source>
        <translation>The price must not be negative</translation>
    </message>
    <message>
        <source>商品名称</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>价格</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>份</source>
        <translation> pcs</translation>
    </message>
    <message>
        <source>合计金额</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>单价折扣金额</source>
        <translation>Discount</translation>
    </message>
    <message>
        <source>金额小计</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>打印时间:</source>
        <translation>Printed: </translation>
    </message>
    <message>
        <source>类型设置</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>标题设置</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>请输入小票标题</source>
        <translation>Please enter the receipt title</translation>
    </message>
    <message>
        <source>修改标题</source>
        <translation>Change title</translation>
    </message>
    <message>
        <source>商品录入</source>
        <translation>Products</translation>
    </message>
    <message>
        <source>添加商品</source>
        <translation>Add product</translation>
    </message>
    <message>
        <source>计算操作</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>计算合计</source>
        <translation>Calculate total</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>设置为打印</source>
        <translation>Set for printing</translation>
    </message>
    <message>
        <source>设置为默认</source>
        <translation>Set as default</translation>
    </message>
    <message>
        <source>列表</source>
        <translation>List</translation>
    </message>
</context>
<context>
    <name>SettingsTestPagePage</name>
    <message>
        <source>指令</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>文本(未实现)</source>
        <translation>Text (not available)</translation>
    </message>
    <message>
        <source>在这里输入打印测试页对应的指令代码</source>
        <translation>Enter the command bytes of the test page here</translation>
    </message>
    <message>
        <source>设置为测试页</source>
        <translation>Set as test page</translation>
    </message>
    <message>
        <source>重置为默认内容</source>
        <translation>Reset to default</translation>
    </message>
    <message>
        <source>显示默认内容</source>
        <translation>Show default</translation>
    </message>
</context>
<context>
    <name>StatusPage</name>
    <message>
        <source>设备名称: </source>
        <translation>Device name: </translation>
    </message>
    <message>
        <source>MAC地址: </source>
        <translation>MAC address: </translation>
    </message>
    <message>
        <source>型号: </source>
        <translation>Model: </translation>
    </message>
    <message>
        <source>COM口: </source>
        <translation>Port: </translation>
    </message>
    <message>
        <source>打印机: </source>
        <translation>Printer: </translation>
    </message>
    <message>
        <source>版本：</source>
        <translation>Version: </translation>
    </message>
</context>
<context>
    <name>StatusRow</name>
    <message>
        <source>✓ 设备已连接</source>
        <translation>✓ Device connected</translation>
    </message>
    <message>
        <source>✗ 设备未连接</source>
        <translation>✗ Device not connected</translation>
    </message>
</context>
<context>
    <name>TCPFunctionPage</name>
    <message>
        <source>TCP连接</source>
        <translation type="vanished">TCP connection</translation>
    </message>
    <message>
        <source>TCP设备搜索</source>
        <translation>TCP device search</translation>
    </message>
    <message>
        <source>添加成功: </source>
        <translation>Added: </translation>
    </message>
    <message>
        <source>连接失败:</source>
        <translation>Connection failed: </translation>
    </message>
    <message>
        <source>设置已经发出,请检查打印机是否执行</source>
        <translation>Settings sent; check that the printer applied them</translation>
    </message>
</context>
<context>
    <name>TcpDeviceManager</name>
    <message>
        <source>TCP发出数据 %1 </source>
        <translation>TCP sent data %1 </translation>
    </message>
    <message>
        <source>连接主机ip: %1 端口: %2 成功</source>
        <translation>Connected to host IP: %1 port: %2</translation>
    </message>
    <message>
        <source>连接主机ip: %1 失败</source>
        <translation>Failed to connect to host IP: %1</translation>
    </message>
    <message>
        <source>断开主机ip: %1 </source>
        <translation>Disconnected from host IP: %1 </translation>
    </message>
    <message>
        <source>TCP 设备搜索到设备 ip:%1 mac:%2 name:%3</source>
        <translation>TCP search found a device: IP: %1 MAC: %2 name: %3</translation>
    </message>
    <message>
        <source>TCP 设备搜索完成</source>
        <translation>TCP device search finished</translation>
    </message>
    <message>
        <source>TCP未连接打印机，数据未发出 %1 </source>
        <translation>TCP printer not connected; data not sent %1 </translation>
    </message>
    <message>
        <source>TCP数据发送失败</source>
        <translation>TCP data could not be sent</translation>
    </message>
    <message>
        <source>连接主机ip: %1 失败: %2</source>
        <translation>Failed to connect to host IP: %1 (%2)</translation>
    </message>
    <message>
        <source>不是 IPv4 地址: %1</source>
        <translation>Not an IPv4 address: %1</translation>
    </message>
</context>
<context>
    <name>TcpSegmentDialog</name>
    <message>
        <source>网段配置已保存: </source>
        <translation>Segment saved: </translation>
    </message>
    <message>
        <source>网段格式错误，请输入正确格式如: 192.168.1.</source>
        <translation>Wrong segment format; enter the first three numbers, such as 192.168.1.</translation>
    </message>
    <message>
        <source>已设置为使用本机网段</source>
        <translation>Set to use the local network segment</translation>
    </message>
    <message>
        <source>TCP网段配置</source>
        <translation>TCP network segment configuration</translation>
    </message>
    <message>
        <source>网段模式:</source>
        <translation>Network segment mode:</translation>
    </message>
    <message>
        <source>使用本机网段</source>
        <translation>Use local network segment</translation>
    </message>
    <message>
        <source>自定义网段</source>
        <translation>Custom network segment</translation>
    </message>
    <message>
        <source>格式示例: 192.168.1.</source>
        <translation>Format example: 192.168.1.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TextEncoding</name>
    <message>
        <source>以下字符无法用 %1 编码: %2</source>
        <translation>The following characters cannot be encoded in %1: %2</translation>
    </message>
</context>
<context>
    <name>USBDeviceManager</name>
    <message>
        <source>USB数据发送失败</source>
        <translation>USB data could not be sent</translation>
    </message>
    <message>
        <source>USB收到的数据 %1 </source>
        <translation>USB received data %1 </translation>
    </message>
    <message>
        <source>连接USB设备: %1 失败</source>
        <translation>Failed to connect the USB device: %1</translation>
    </message>
    <message>
        <source>连接USB设备: %1 成功</source>
        <translation>Connected the USB device: %1</translation>
    </message>
    <message>
        <source>断开USB设备: %1 </source>
        <translation>Disconnected the USB device: %1 </translation>
    </message>
    <message>
        <source>USB设备搜索完成</source>
        <translation>USB device search finished</translation>
    </message>
    <message>
        <source>USB发出数据 %1 </source>
        <translation>USB sent data %1 </translation>
    </message>
    <message>
        <source>SendAsync 发送失败</source>
        <translation>SendAsync failed</translation>
    </message>
    <message>
        <source>发送超时</source>
        <translation>Sending timed out</translation>
    </message>
    <message>
        <source>重新连接USB设备 %1 </source>
        <translation>Reconnecting the USB device %1 </translation>
    </message>
    <message>
        <source>usb设备 %1 断开!</source>
        <translation>USB device %1 disconnected!</translation>
    </message>
    <message>
        <source>没有权限打开 %1：请把用户加入 lp 组（sudo usermod -aG lp $USER），重新登录后再试</source>
        <translation>No permission to open %1: add the user to the group lp (sudo usermod -aG lp $USER), log in again and retry</translation>
    </message>
</context>
<context>
    <name>USBFunctionPage</name>
    <message>
        <source>USB连接</source>
        <translation type="vanished">USB connection</translation>
    </message>
    <message>
        <source>USB设备搜索</source>
        <translation>USB device search</translation>
    </message>
    <message>
        <source>连接失败:</source>
        <translation>Connection failed: </translation>
    </message>
    <message>
        <source>设备已断开</source>
        <translation>Device disconnected</translation>
    </message>
    <message>
        <source>设备重连</source>
        <translation>Device reconnected</translation>
    </message>
    <message>
        <source>设备已连接:</source>
        <translation>Device connected: </translation>
    </message>
</context>
<context>
    <name>USBPrinterController</name>
    <message>
        <source>USB发出数据 %1 </source>
        <translation>USB sent data %1 </translation>
    </message>
    <message>
        <source>发送出现错误</source>
        <translation>Sending failed</translation>
    </message>
    <message>
        <source>USB读取错误: %1</source>
        <translation>USB read error: %1</translation>
    </message>
    <message>
        <source>USB写入错误: %1</source>
        <translation>USB write error: %1</translation>
    </message>
</context>
<context>
    <name>USBReadWorker</name>
    <message>
        <source>读取错误: %1</source>
        <translation>Read error: %1</translation>
    </message>
</context>
<context>
    <name>USBWriteWorker</name>
    <message>
        <source>写入错误: %1</source>
        <translation>Write error: %1</translation>
    </message>
</context>
<context>
    <name>VersionLogDialog</name>
    <message>
        <source>版本更新日志</source>
        <translation>Version history</translation>
    </message>
    <message>
        <source>版本：</source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>WorkingModeForm</name>
    <message>
        <source>打印内容</source>
        <translation>Print content</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>自动发送</source>
        <translation>Send automatically</translation>
    </message>
    <message>
        <source>发送周期</source>
        <translation>Sending period</translation>
    </message>
    <message>
        <source>在这里输入要打印的信息</source>
        <translation>Text to print, tab </translation>
    </message>
    <message>
        <source>代码页</source>
        <translation>Code page</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>打印动作</source>
        <translation>Print action</translation>
    </message>
    <message>
        <source>打印并换行</source>
        <translation>Print and line feed</translation>
    </message>
    <message>
        <source>走纸行数</source>
        <translation>Feed lines</translation>
    </message>
    <message>
        <source>行</source>
        <translation>lines</translation>
    </message>
    <message>
        <source>走纸距离</source>
        <translation>Feed distance</translation>
    </message>
    <message>
        <source>×移动单位 英寸</source>
        <translation>× motion unit (inch)</translation>
    </message>
    <message>
        <source>设置行间距</source>
        <translation>Set line spacing</translation>
    </message>
    <message>
        <source>打印/设置</source>
        <translation>Print/Set</translation>
    </message>
    <message>
        <source>设置默认行间距</source>
        <translation>Default line spacing</translation>
    </message>
    <message>
        <source>初始化打印机</source>
        <translation>Initialise printer</translation>
    </message>
    <message>
        <source>打印测试</source>
        <translation>Test prints</translation>
    </message>
    <message>
        <source>打印图片</source>
        <translation>Print picture</translation>
    </message>
    <message>
        <source>打印条码</source>
        <translation>Print barcode</translation>
    </message>
    <message>
        <source>打印测试页</source>
        <translation>Print test page</translation>
    </message>
    <message>
        <source>打印58小票</source>
        <translation>Print 58 mm receipt</translation>
    </message>
    <message>
        <source>打印76小票</source>
        <translation>Print 76 mm receipt</translation>
    </message>
    <message>
        <source>打印80小票</source>
        <translation>Print 80 mm receipt</translation>
    </message>
    <message>
        <source>打印自检页</source>
        <translation>Print self-test page</translation>
    </message>
    <message>
        <source>设置打印内容</source>
        <translation>Set print contents</translation>
    </message>
    <message>
        <source>作为图片打印</source>
        <translation>Print as picture</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>打印代码页表</source>
        <translation>Print code page table</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>窗口尺寸: </source>
        <translation>Window size: </translation>
    </message>
    <message>
        <source>版本号: </source>
        <translation>Version: </translation>
    </message>
</context>
<context>
    <name>AddressRange</name>
    <message>
        <source>地址范围应写作 网络/前缀长度，如 10.1.0.0/22: %1</source>
        <translation>An address range is written NETWORK/PREFIX, such as 10.1.0.0/22: %1</translation>
    </message>
    <message>
        <source>地址范围 %1 中的网络不是 IPv4 地址</source>
        <translation>The network of the address range %1 is not an IPv4 address</translation>
    </message>
    <message>
        <source>地址范围 %1 的前缀长度应为 %2 到 %3</source>
        <translation>The prefix length of the address range %1 must be %2 to %3</translation>
    </message>
    <message>
        <source>地址范围 %1 的主机部分不为零；网络是 %2</source>
        <translation>The address range %1 has host bits set; the network is %2</translation>
    </message>
</context>
<context>
    <name>CliBatchRun</name>
    <message>
        <source>在 %1 台打印机上运行，同时最多 %2 台</source>
        <translation>Running on %1 printers, at most %2 at once</translation>
    </message>
    <message>
        <source>%1 没有在 %2 秒内结束</source>
        <translation>%1 did not finish within %2 s</translation>
    </message>
    <message>
        <source>无法启动 %1: %2</source>
        <translation>Could not start %1: %2</translation>
    </message>
    <message>
        <source>运行意外中止: %1</source>
        <translation>The run stopped abnormally: %1</translation>
    </message>
</context>
<context>
    <name>CliExporter</name>
    <message>
        <source>用法: quillmark exporter --targets FILE [--listen ADDRESS:PORT] [--interval SECONDS]
                          [--timeout MS] [--connect-timeout MS]

在后台按间隔轮询目标文件中的每台打印机（四个实时状态，所有打印机同时进行，每台一次只有一个查询），并在 http://ADDRESS:PORT/metrics 上以 Prometheus 的格式提供结果。抓取立即得到最近一次的结果，从不等待打印机。SIGHUP 重新读取目标文件，SIGTERM 结束。

  --targets FILE          目标文件: 每行一台打印机，写法同命令行的目标（tcp:10.1.2.3、usb:/dev/usb/lp0、serial:/dev/ttyUSB0:9600），后面可跟标签（site=shop-17 till=2，含空格的值用 &quot;...&quot;）；# 开始注释。有错的行会报告行号并被跳过，其余照常轮询
  --listen ADDRESS:PORT   提供指标的地址（默认 %1）
  --interval SECONDS      轮询间隔（默认 %2）
  --timeout MS            每个状态查询等待回答的时间（默认 %3）
  --connect-timeout MS    TCP 连接的等待时间（默认 %4）

每台打印机一个序列，带目标行的标签和 target=&quot;tcp:10.1.2.3&quot;: quillmark_printer_up、quillmark_printer_online、quillmark_printer_paper_state{state=ok|near_end|out}、quillmark_printer_cover_open、quillmark_printer_drawer_open、quillmark_printer_error{kind=cutter|unrecoverable|auto_recoverable|mechanical}、quillmark_printer_status_rtt_seconds、quillmark_printer_last_seen_timestamp_seconds、quillmark_printer_info{model,mac,transport}；另有 quillmark_exporter_poll_duration_seconds、quillmark_exporter_targets、quillmark_exporter_poll_rounds_total、quillmark_exporter_targets_last_reload_successful 和 quillmark_exporter_targets_last_reload_success_timestamp_seconds。重新读取时目标文件无法读取或没有有效的行，则继续轮询原来的打印机。

退出状态: 0 收到 SIGTERM 或 SIGINT 后结束；1 无法在该地址上提供指标；2 用法错误或无法读取目标文件。
</source>
        <translation>Usage: quillmark exporter --targets FILE [--listen ADDRESS:PORT] [--interval SECONDS]
                          [--timeout MS] [--connect-timeout MS]

Polls every printer of the targets file in the background at the interval (the four real-time statuses; all printers at once, one request at a time for each) and serves the results in Prometheus&apos;s format on http://ADDRESS:PORT/metrics. A scrape gets the latest results at once and never waits on a printer. SIGHUP rereads the targets file, SIGTERM ends the program.

  --targets FILE          targets file: one printer a line, written as the command line&apos;s targets (tcp:10.1.2.3, usb:/dev/usb/lp0, serial:/dev/ttyUSB0:9600), optionally followed by labels (site=shop-17 till=2; values with blanks in &quot;...&quot;); # begins a comment. A faulty line is reported with its number and skipped; the others are polled
  --listen ADDRESS:PORT   where the metrics are served (default %1)
  --interval SECONDS      time between polls (default %2)
  --timeout MS            how long each status request waits for its answer (default %3)
  --connect-timeout MS    how long a TCP connection may take (default %4)

One series per printer, with the labels of its line and target=&quot;tcp:10.1.2.3&quot;: quillmark_printer_up, quillmark_printer_online, quillmark_printer_paper_state{state=ok|near_end|out}, quillmark_printer_cover_open, quillmark_printer_drawer_open, quillmark_printer_error{kind=cutter|unrecoverable|auto_recoverable|mechanical}, quillmark_printer_status_rtt_seconds, quillmark_printer_last_seen_timestamp_seconds, quillmark_printer_info{model,mac,transport}; and quillmark_exporter_poll_duration_seconds, quillmark_exporter_targets, quillmark_exporter_poll_rounds_total, quillmark_exporter_targets_last_reload_successful and quillmark_exporter_targets_last_reload_success_timestamp_seconds. When a reread finds the targets file unreadable or without a valid line, the printers polled before stay.

Exit status: 0 ended by SIGTERM or SIGINT; 1 the metrics cannot be served at that address; 2 usage error or unreadable targets file.
</translation>
    </message>
    <message>
        <source>未知的参数: %1</source>
        <translation>Unknown argument: %1</translation>
    </message>
    <message>
        <source>缺少目标文件: --targets FILE</source>
        <translation>Missing targets file: --targets FILE</translation>
    </message>
    <message>
        <source>--interval 应为 %1 到 %2 之间的秒数: %3</source>
        <translation>--interval takes a number of seconds from %1 to %2: %3</translation>
    </message>
    <message>
        <source>--%1 应为 1 到 %2 之间的毫秒数: %3</source>
        <translation>--%1 takes a number of milliseconds from 1 to %2: %3</translation>
    </message>
    <message>
        <source>命令行: quillmark exporter %1</source>
        <translation>Command line: quillmark exporter %1</translation>
    </message>
    <message>
        <source>在 http://%1%2 提供指标，轮询 %3 台打印机，每 %4 秒一次</source>
        <translation>Serving metrics on http://%1%2, polling %3 printers every %4 s</translation>
    </message>
    <message>
        <source>导出器结束</source>
        <translation>Exporter stopped</translation>
    </message>
</context>
<context>
    <name>CliInventory</name>
    <message>
        <source>未知的参数: %1</source>
        <translation>Unknown argument: %1</translation>
    </message>
    <message>
        <source>缺少库存文件: --file FILE</source>
        <translation>The inventory file is missing: --file FILE</translation>
    </message>
    <message>
        <source>缺少地址范围: --range NETWORK/PREFIX</source>
        <translation>The address range is missing: --range NETWORK/PREFIX</translation>
    </message>
    <message>
        <source>%1 需要一个值</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>目标文件 %1 有错误的行，没有改写它</source>
        <translation>The targets file %1 has bad lines; it was not rewritten</translation>
    </message>
    <message>
        <source>库存 %1: %2 台打印机，本次找到 %3 台，%4 处变化</source>
        <translation>Inventory %1: %2 printers, %3 found this time, %4 changes</translation>
    </message>
</context>
<context>
    <name>CliRangeScan</name>
    <message>
        <source>搜索地址范围 %1（%2 个地址，同时最多 %3 个）</source>
        <translation>Searching the address ranges %1 (%2 addresses, at most %3 at once)</translation>
    </message>
    <message>
        <source>地址范围搜索完成: %1 个地址，%2 台打印机，%3 毫秒</source>
        <translation>Address range search finished: %1 addresses, %2 printers, %3 ms</translation>
    </message>
    <message>
        <source>地址范围搜索被中断: %1 个地址中搜索了 %2 个，%3 台打印机</source>
        <translation>Address range search interrupted: %2 of %1 addresses searched, %3 printers</translation>
    </message>
</context>
<context>
    <name>CliInputFile</name>
    <message>
        <source>无法读取文件 %1: %2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>是一个文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>太大（最多 %1 MiB）</source>
        <translation>too large (at most %1 MiB)</translation>
    </message>
</context>
<context>
    <name>PrinterExporter</name>
    <message>
        <source>--listen 应为 地址:端口（如 127.0.0.1:9731，IPv6 地址写在 [] 中）: %1</source>
        <translation>--listen takes ADDRESS:PORT (such as 127.0.0.1:9731, an IPv6 address in []): %1</translation>
    </message>
    <message>
        <source>无法在 %1 上提供指标: %2</source>
        <translation>Cannot serve metrics on %1: %2</translation>
    </message>
    <message>
        <source>导出器在 http://%1%2 提供指标，每 %3 秒轮询一次</source>
        <translation>Exporter serving metrics on http://%1%2, polling every %3 s</translation>
    </message>
    <message>
        <source>%1；继续轮询原来的 %2 台打印机</source>
        <translation>%1; polling the %2 printers as before</translation>
    </message>
    <message>
        <source>目标文件 %1 中没有有效的行</source>
        <translation>The targets file %1 holds no valid line</translation>
    </message>
    <message>
        <source>重新读取目标文件 %1</source>
        <translation>Reading the targets file %1 again</translation>
    </message>
    <message>
        <source>打印队列不回答状态查询，不轮询: %1</source>
        <translation>A printer queue does not answer status requests; not polled: %1</translation>
    </message>
    <message>
        <source>轮询 %1 台打印机（目标文件 %2）</source>
        <translation>Polling %1 printers (targets file %2)</translation>
    </message>
    <message>
        <source>打印机 %1 没有应答: %2</source>
        <translation>Printer %1 does not answer: %2</translation>
    </message>
    <message>
        <source>打印机 %1 应答: %2</source>
        <translation>Printer %1 answers: %2</translation>
    </message>
    <message>
        <source>打印机 %1 恢复应答: %2</source>
        <translation>Printer %1 answers again: %2</translation>
    </message>
    <message>
        <source>打印机 %1 状态: %2</source>
        <translation>Printer %1 now: %2</translation>
    </message>
</context>
<context>
    <name>PrinterInventory</name>
    <message>
        <source>不是 JSON（第 %1 个字节: %2）</source>
        <translation>not JSON (at byte %1: %2)</translation>
    </message>
    <message>
        <source>缺少打印机列表 &quot;printers&quot;</source>
        <translation>the list of printers &quot;printers&quot; is missing</translation>
    </message>
    <message>
        <source>不支持的版本: %1（应为 %2）</source>
        <translation>unsupported version: %1 (expected %2)</translation>
    </message>
    <message>
        <source>第 %1 台打印机: %2</source>
        <translation>printer %1: %2</translation>
    </message>
    <message>
        <source>不是 JSON 对象</source>
        <translation>not a JSON object</translation>
    </message>
    <message>
        <source>无效的 MAC 地址: %1</source>
        <translation>invalid MAC address: %1</translation>
    </message>
    <message>
        <source>MAC 地址 %1 出现了两次</source>
        <translation>the MAC address %1 appears twice</translation>
    </message>
    <message>
        <source>无效的地址: %1</source>
        <translation>invalid address: %1</translation>
    </message>
    <message>
        <source>无效的时间</source>
        <translation>invalid time</translation>
    </message>
    <message>
        <source>无法读取库存文件 %1: %2</source>
        <translation>Cannot read the inventory file %1: %2</translation>
    </message>
    <message>
        <source>是一个文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>太大（最多 %1 MiB）</source>
        <translation>too large (at most %1 MiB)</translation>
    </message>
    <message>
        <source>库存文件 %1 已损坏: %2。文件没有被改写；请修复或移走它</source>
        <translation>The inventory file %1 is damaged: %2. It was not rewritten; repair it or move it away</translation>
    </message>
    <message>
        <source>无法写入库存文件 %1: %2</source>
        <translation>Cannot write the inventory file %1: %2</translation>
    </message>
    <message>
        <source>%1 台打印机的库存超过 %2 MiB，写入后无法再读回</source>
        <translation>the inventory of %1 printers passes %2 MiB and could not be read back</translation>
    </message>
    <message>
        <source>%1（%2）没有告知 MAC 地址，不能记入库存</source>
        <translation>%1 (%2) gave no MAC address and cannot be kept in the inventory</translation>
    </message>
    <message>
        <source>MAC 地址 %1 在 %2 和 %3 上都有应答；只记录 %2</source>
        <translation>The MAC address %1 answered at %2 and at %3; only %2 is kept</translation>
    </message>
</context>
<context>
    <name>StatusPoller</name>
    <message>
        <source>无法开始轮询: %1</source>
        <translation>Cannot start polling: %1</translation>
    </message>
    <message>
        <source>无法创建套接字: %1</source>
        <translation>Cannot create a socket: %1</translation>
    </message>
    <message>
        <source>无法连接: %1</source>
        <translation>Cannot connect: %1</translation>
    </message>
    <message>
        <source>无法打开 %1: %2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>%1 不是设备节点</source>
        <translation>%1 is not a device node</translation>
    </message>
    <message>
        <source>写入失败: %1</source>
        <translation>Write failed: %1</translation>
    </message>
    <message>
        <source>打印机关闭了连接</source>
        <translation>The printer closed the connection</translation>
    </message>
    <message>
        <source>设备已断开: %1</source>
        <translation>The device is gone: %1</translation>
    </message>
    <message>
        <source>连接被打印机重置</source>
        <translation>The printer reset the connection</translation>
    </message>
    <message>
        <source>读取失败: %1</source>
        <translation>Read failed: %1</translation>
    </message>
    <message>
        <source>回答不是状态字节: %1</source>
        <translation>The answer is not a status byte: %1</translation>
    </message>
    <message>
        <source>连接超时（%1 毫秒）</source>
        <translation>Connection timed out (%1 ms)</translation>
    </message>
    <message>
        <source>状态查询在 %1 毫秒内没有得到回答</source>
        <translation>No answer to the status request within %1 ms</translation>
    </message>
</context>
<context>
    <name>TargetFile</name>
    <message>
        <source>引号没有结束</source>
        <translation>Unfinished quote</translation>
    </message>
    <message>
        <source>%1 第 %2 行: %3</source>
        <translation>%1 line %2: %3</translation>
    </message>
    <message>
        <source>目标应写作 tcp:地址、usb:节点、serial:路径[:波特率] 或 queue:名称: %1</source>
        <translation>A target is written tcp:ADDRESS, usb:NODE, serial:PATH[:BAUD] or queue:NAME: %1</translation>
    </message>
    <message>
        <source>未知的传输方式: %1（应为 tcp、usb、serial 或 queue）</source>
        <translation>Unknown transport: %1 (tcp, usb, serial or queue)</translation>
    </message>
    <message>
        <source>%1 需要一个值</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>不是 IPv4 地址: %1</source>
        <translation>Not an IPv4 address: %1</translation>
    </message>
    <message>
        <source>不支持的波特率: %1</source>
        <translation>Unsupported baud rate: %1</translation>
    </message>
    <message>
        <source>设备路径必须是绝对路径: %1</source>
        <translation>A device path must be absolute: %1</translation>
    </message>
    <message>
        <source>行中有控制字符</source>
        <translation>Control characters in the line</translation>
    </message>
    <message>
        <source>标签太多（最多 %1 个）</source>
        <translation>Too many labels (at most %1)</translation>
    </message>
    <message>
        <source>标签应写作 名称=值: %1</source>
        <translation>A label is written NAME=VALUE: %1</translation>
    </message>
    <message>
        <source>无效的标签名: %1（字母、数字和 _，不以数字开头）</source>
        <translation>Invalid label name: %1 (letters, digits and _, not starting with a digit)</translation>
    </message>
    <message>
        <source>标签名 %1 是保留的</source>
        <translation>The label name %1 is reserved</translation>
    </message>
    <message>
        <source>标签 %1 的值太长（最多 %2 个字符）</source>
        <translation>The value of label %1 is too long (at most %2 characters)</translation>
    </message>
    <message>
        <source>标签 %1 出现了两次</source>
        <translation>Label %1 is given twice</translation>
    </message>
    <message>
        <source>行太长（最多 %1 字节）</source>
        <translation>Line too long (at most %1 bytes)</translation>
    </message>
    <message>
        <source>不是 UTF-8 文本</source>
        <translation>Not UTF-8 text</translation>
    </message>
    <message>
        <source>%1 已在第 %2 行</source>
        <translation>%1 is already on line %2</translation>
    </message>
    <message>
        <source>目标太多（最多 %1 个）</source>
        <translation>Too many targets (at most %1)</translation>
    </message>
    <message>
        <source>无法读取目标文件 %1: %2</source>
        <translation>Cannot read the targets file %1: %2</translation>
    </message>
    <message>
        <source>是一个文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>目标文件 %1 太大（最多 %2 MiB）</source>
        <translation>The targets file %1 is too large (at most %2 MiB)</translation>
    </message>
    <message>
        <source>无法写入目标文件 %1: %2</source>
        <translation>Cannot write the targets file %1: %2</translation>
    </message>
</context>
<context>
    <name>DeviceNodeAccess</name>
    <message>
        <source>%1 不是设备节点（应为字符设备，如 /dev/usb/lp0 或 /dev/ttyUSB0）</source>
        <translation>%1 is not a device node (expected a character device such as /dev/usb/lp0 or /dev/ttyUSB0)</translation>
    </message>
</context>
<context>
    <name>HelperFunction</name>
    <message>
        <source>请输入有效的IP地址（四组 0-255 的数字，如 192.168.1.100）</source>
        <translation>Enter a valid IP address (four numbers from 0 to 255, such as 192.168.1.100)</translation>
    </message>
</context>
</TS>
