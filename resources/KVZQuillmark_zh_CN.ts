<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>AboutButton</name>
    <message>
        <source>关于</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddDeviceDialog</name>
    <message>
        <source>添加TCP设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接成功!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接失败!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在测试连接...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP地址:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mac:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备名称:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测试连接</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>添加到列表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BarCodeForm</name>
    <message>
        <source>请先编辑条码数据，再打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一维码模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>二维码模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一维码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编辑</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HRI位置:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>条码上方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>条码下方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>条码上、下方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HRI字体:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标准ASCII码字符(12x24)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>压缩ASCII码字符(9x17)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HRI条码大小:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>宽度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更多</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>类型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纠错级别</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>二维码内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字符数量: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生成预览</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预览</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BarcodeRules</name>
    <message>
        <source>输入不能为空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>只能输入数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入偶数个</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入%1或者%2位数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>包含无效字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最多%1个字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请先编辑条码数据，再打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>条码内容不符合%1的要求，未发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验位应为 %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BaseDeviceManager</name>
    <message>
        <source>%1 蜂鸣器设置:次数 %2 持续: %3 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 蜂鸣器闪灯设置 次数: %2 间隔: %3 模式: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 切刀设置 模式: %2 进纸长度: %3 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 获取打印机状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 获取脱机状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 获取错误状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 获取传送纸状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 钱箱控制设置 引脚: %2 高电平时间: %3 低电平时间: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 钱箱打开控制 引脚: %2 高低电平时间: %3 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 工作模式初始化打印机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 工作模式打印并换行 hex: %2 内容: %3 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 工作模式打印并走纸移动单位 hex: %2 内容: %3 走纸距离: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 工作模式打印并走纸英寸 hex: %2 内容: %3 行数: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 工作模式设置默认行间距</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 工作模式设置行间距 行间距: %2  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 工作模式设置输入框代码页: %2  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 位图加载[%2/%3] 图片路径: %4  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置图像</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 位图设置 模式: %2 logo序号: %3 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 条码upc-a打印 内容: %2  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 条码upc-e打印 内容: %2  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 条码strJAN13打印 内容: %2  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 条码JAN8打印 内容: %2  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 条码CODE39打印 内容: %2  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 条码ITF打印 内容: %2  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 条码CODABAR打印 内容: %2  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 条码strCODE93打印 内容: %2  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 条码CODE128打印 内容: %2  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 条码Hri位置设置 位置: %2  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 条码HRI字体 字体: %2  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 条码大小 宽度: %2 高度: %3 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置二维码类型: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 更多条码: %2 内容: %3 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 打印二维码 放大倍数: %2 纠错级别: %3 内容: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 待机灯种类 模式: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 工作灯 R: %2 G: %3 B: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 缺纸灯 R: %2 G: %3 B: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 卡刀灯 R: %2 G: %3 B: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 过热灯 R: %2 G: %3 B: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 待机灯常亮 R: %2 G: %3 B: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 启用中文设置 选择: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 倍宽、倍高、下划线 倍宽: %2 倍高: %3 下划线: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置左右间距 左间距: %2 右间距: %3 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 国际字符集设置 选择: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置打印模式 选择: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置蜂鸣器开关 选择: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置切刀开关 选择: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置错误蜂鸣类型 选择: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 对齐方式设置 选择: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 顺时针旋转90度设置 选择: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 倒置打印设置 选择: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 字符设置 宽: %2 高: %3 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 黑白反显设置 选择: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 边距设置 边距低: %2 边距高: %3 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 打印区域宽度设置 宽度低: %2 宽度高: %3 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置横向和纵向移动单位 横向: %2 纵向: %3 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 稠度微调设置 值: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 纸张大小 值: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 纸张间隙 : %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 打印速度设置 值: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 启用切刀蜂鸣钱箱设置 切刀: %2 蜂鸣: %3 钱箱: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置机器型号 : %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置USB升级模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 恢复出厂设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置字符右间距 英寸: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 选择打印模式 Asc2: %2 加粗: %3 倍宽: %4 倍高: %5 下划线: %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 用户自定义字符 选择: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 自定义字符单个打印 选择: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 自定义字符单个删除 字符: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 自定义字符设置 字符: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 更多设置-tcp模式以太网设置 IP: %2  Mask: %3  Gateway: %4  dhcp: %5  beep: %6  cut: %7  beepType: %8  printMode: %9  density: %10 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 更多设置 点击</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 查询蓝牙地址  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 查询蓝牙名称  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 查询蓝牙配对码  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置蓝牙名称 : %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置蓝牙配对码 : %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 查询打印指令集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置打印指令集 : %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 查询纸张类型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置纸张类型 : %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 查询打印速度模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置打印速度模式 : %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 查询打印浓度模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置打印浓度模式 : %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 查询字符集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置字符集 : %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置波特率 : %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 查询波特率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置数据位 : %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 查询数据位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置校验位 : %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 查询校验位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置停止位 : %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 查询停止位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 测试打印图片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 测试打印条码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 测试打印测试页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 测试打印58小票</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 测试打印76小票</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 测试打印80小票</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 测试打印自检页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置打印图片地址:%2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置打印条码类型:%2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置打印条码值:%2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置测试页:%2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置打印58小票值:%2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置打印76小票值:%2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置打印80小票值:%2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置为测试打印图片:%2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 重置为默认图片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置测试打印条码 类型: %2 内容: %3 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 重置为默认打印条码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置测试页内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 重置为默认测试页内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 设置为小票打印内容:... 类型:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 重置为默认小票打印:... 类型:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 未连接打印机，命令未执行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 蓝牙名称过长 (%2 字节，最多 %3 字节)，未发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 蓝牙配对码过长 (%2 字节，最多 %3 字节)，未发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 无法生成 %2: 内容不符合该码制，未发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 测试打印代码页表 ESC t: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 文字无法绘制为图片，未发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 工作模式文字作为图片打印 内容: %2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 回答不是状态字节: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BitmapForm</name>
    <message>
        <source>图片无法读取或过大，对应的logo为空: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最多只能选择7张图片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择图片（最多7张）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图片文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>位图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加载图像</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清空图像</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置图像</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已选择: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/7 张图片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图片 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (双击删除)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正常</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>倍宽</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>倍高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>倍宽、倍高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图片转换</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加载图像后在此预览</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在转换…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BluetoothFieldRow</name>
    <message>
        <source>查询</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BuzzerAlarmCuttingForm</name>
    <message>
        <source>蜂鸣</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>持续：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蜂鸣闪灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>间隔：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无蜂鸣、无闪灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>闪灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蜂鸣、闪灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切刀</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全切</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>半切</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>进纸半切</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>进纸长度:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>×移动单位(英寸)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CashBoxForm</name>
    <message>
        <source>钱箱控制脉冲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>钱箱插座引脚2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>钱箱插座引脚5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高电平时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>低电平时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>钱箱打开脉冲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高、低电平时间</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CharEditDialog</name>
    <message>
        <source>字符编辑 - 0x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CharacterForm</name>
    <message>
        <source>自定义字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>添加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标准ASCII码字体A(12x24)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>压缩ASCII码字体B(9x17)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加粗</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>倍高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>倍宽</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下划线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右间距</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>×英寸</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliApp</name>
    <message>
        <source>无法读取文件 %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是一个文件夹</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>命令行: quillmark %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的命令: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无效的网段: %1（应为前三个数字，如 10.1.2.）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的选项: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>搜索没有在 %1 秒内结束</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请指定要列出的内容: usb、serial 或 queues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 需要一个值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少目标: --tcp、--usb、--serial 或 --queue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--script 和操作只能二选一</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少操作（quillmark ops 列出所有操作）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印队列不回答状态查询: 请用 --tcp、--usb 或 --serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机没有回答状态查询: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少文件（- 表示标准输入）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送文件 %1（%2 字节）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机型号 %1 不接受网络设置的表单</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QM_LANGUAGE 的值无效: &quot;%1&quot;，应为 %2 之一</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有找到 USB 打印机（/dev/usb/lp*）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法连接打印服务（CUPS 调度程序）: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有找到串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CUPS 中没有打印队列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>故障: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliCommandLine</name>
    <message>
        <source>%1 的值无效: &quot;%2&quot;，应为 %3 到 %4 的整数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--serial 的波特率无效: &quot;%1&quot;，应为 %2 之一</source>
        <translation type="unfinished"></translation>
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
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quillmark --help 显示用法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quillmark %1 --help 显示用法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark scan [--segment 10.1.2.] [--json]

在局域网的一个网段中搜索打印机（端口 9100，通过打印机的网页识别型号），每台打印机一行: 地址、MAC 和型号。

  --segment SEGMENT   要搜索的网段（前三个数字，如 10.1.2.）；不写时用设置中的网段
  --json              以 JSON 输出
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark list usb|serial|queues [--json]

列出 USB 打印机（节点、厂商和产品 ID、型号、制造商）、串口或打印队列。

  --json   以 JSON 输出
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark ops [--json]

列出命令接口的每个操作及其参数类型和名称，取自程序本身。run 的参数: int（十进制或 0x 十六进制）、bool（true/false、1/0、yes/no、on/off）、QString（文本）、QStringList 和 QList&lt;int&gt;（用逗号分隔）。

  --json   以 JSON 输出
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark run TARGET OPERATION [ARG...]
      quillmark run TARGET --script FILE

在打印机上调用命令接口的一个操作（见 quillmark ops），参数转换为声明的类型。使用 --script 时，FILE（- 表示标准输入）每行一个操作及其参数；空行被跳过，从 # 开始到行尾是注释，含空格的参数用 &quot;...&quot; 或 &apos;...&apos; 括起来。文件在发送任何内容之前会被完整检查；运行在第一个失败的行停止，并指出是哪一行。

  --script FILE   运行 FILE 中的操作

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark status TARGET [--json]

读取打印机状态、脱机状态、错误状态和传送纸状态并解码。退出状态 0: 打印机就绪；1: 打印机报告故障（缺纸、上盖开、脱机、切刀或打印头错误）；3: 无法连接或没有应答。--queue 不能查询状态。

  --json   以 JSON 输出

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark raw TARGET FILE|-

把 FILE（- 表示标准输入）中的字节原样发送给打印机。

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark beep TARGET [--times N] [--duration N]

让打印机的蜂鸣器响。

  --times N      响几次，1 到 9，默认 1
  --duration N   每次响多久，以 50 毫秒为单位，1 到 9，默认 1

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark cut TARGET [--partial] [--feed N]

切纸，默认全切。

  --partial   半切
  --feed N    先走纸 N 个移动单位（0 到 255），再半切

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark drawer TARGET [--pin 2|5] [--on MS] [--off MS]

给钱箱一个脉冲，打开钱箱。

  --pin 2|5   钱箱接口的引脚，默认 2
  --on MS     高电平时间（毫秒，0 到 510，以 2 毫秒为步长），默认 100
  --off MS    低电平时间（毫秒，0 到 510，以 2 毫秒为步长），默认 500

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark print TARGET [--codepage NAME] TEXT...

打印一行文本并换行；多个 TEXT 用空格连接。以 - 开头的文本写在 -- 之后。

  --codepage NAME   文本的代码页，如 GBK、CP437、IBM850、Windows-1252；默认 GBK

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark feed TARGET LINES

走纸 LINES 行（0 到 255）。

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark logo TARGET FILE...

把最多 7 张图片（PNG、JPEG、BMP）作为 logo 1 到 7 存入打印机，与窗口的“设置图像”相同。

</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark qr TARGET [--size N] [--level L|M|Q|H] TEXT...

打印二维码（QR 码），内容为 TEXT（UTF-8），之后走纸并半切。

  --size N          模块大小，1 到 8，默认 8
  --level L|M|Q|H   纠错级别，默认 M

</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark test-page TARGET [--receipt 58|76|80]

打印测试页，或者一张 58、76 或 80 毫米宽的样例小票（内容取自窗口的设置）。

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark reset TARGET

初始化打印机（ESC @）：清除缓冲区中的数据，恢复开机时的设置。

</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark COMMAND [OPTIONS]

在命令行上配置和检查热敏小票打印机，与 QuillmarkSystem 窗口使用同一个后端。

命令:
  scan     在局域网中搜索打印机
  list     列出 USB 打印机、串口或打印队列
  ops      列出命令接口的所有操作及其参数
  run      在打印机上调用操作
  status   读取四个实时状态
  raw      发送一个字节文件
  render   把字节文件画成图片，不需要打印机

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark COMMAND [OPTIONS]

在命令行上配置和检查热敏小票打印机，与 QuillmarkSystem 窗口使用同一个后端。

命令:
  scan     在局域网中搜索打印机
  list     列出 USB 打印机、串口或打印队列
  ops      列出命令接口的所有操作及其参数
  run      在打印机上调用操作
  status   读取四个实时状态
  raw      发送一个字节文件
  exporter 在后台轮询许多打印机，为 Prometheus 提供状态

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法: quillmark raw TARGET [--timeout MS] FILE|-

把 FILE（- 表示标准输入）中的字节原样发送给打印机。打印机在 MS 毫秒内不再接收数据时放弃，退出状态为 3。

  --timeout MS   等待数据发出的时间（默认 %1）

</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliOperations</name>
    <message>
        <source>整数，如 3 或 0x1B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>true/false、1/0、yes/no 或 on/off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文本</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用逗号分隔的文本</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用逗号分隔的整数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的操作: %1（quillmark ops 列出所有操作）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作 %1 需要 %2 个参数，收到 %3 个；参数: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作 %1 的参数太多，无法调用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数 %1 (%2) 的值无效: &quot;%3&quot;，应为%4；参数: %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数 %1 (%2) 的值超出范围: &quot;%3&quot;，应为 %4 到 %5；参数: %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>modeNum 1 到 4: 正常、倍宽、倍高、倍宽倍高；logoNum 从 0 起: 0 打印 logo 1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliRender</name>
    <message>
        <source>是一个文件夹</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少要渲染的文件（FILE 或 - 表示标准输入）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>只能渲染一个文件: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少图片的文件名: -o OUT.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纸宽只能是 58 或 80: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法读取文件 %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入图片 %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有打印任何内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法解码的部分（偏移、类型、命令、字节）:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打印的命令（偏移、命令、原因）:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>……另有 %1 项未列出（--max-listed）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法读取文件 %1: 文件有 %2 字节，最多能渲染 %3 字节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超出 %1 点（%2 毫米）的页面长度而未画出的纸（偏移、命令、连续次数、点数）:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已画出 %1 张图片，达到上限: 从偏移 %2 起（共 %3 字节）没有画出；--max-pages 可以提高上限</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliScript</name>
    <message>
        <source>引号没有结束</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 第 %2 行: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法读取脚本文件 %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliStatusReport</name>
    <message>
        <source>无应答</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机没有应答</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>故障: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>就绪</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliTarget</name>
    <message>
        <source>只能指定一个目标: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有指定目标</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与打印机的连接已断开: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据没有在 %1 毫秒内发出: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机没有确认收到数据: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliVerbs</name>
    <message>
        <source>--%1 的值无效: &quot;%2&quot;，应为 %3 之一</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>多余的参数: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少 %1（或者用 --dhcp）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 的值不是 IPv4 地址: &quot;%2&quot;（应为四组 0-255 的数字，如 192.168.1.100）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文本不能为空（只走纸请用 quillmark feed）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的代码页: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法用作图片: %1（不存在、无法读取或太大）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的条码类型: %1（可用: %2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 条码数据无效: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文本不能为空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网络设置只能通过 --tcp 或 --usb 发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--dhcp 不能与 --%1 一起使用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--dhcp 只能通过 --tcp 发送</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloseButton</name>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigManager</name>
    <message>
        <source>初始化配置管理器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>创建配置文件夹: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>创建配置文件夹失败: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配置管理器初始化完成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取打印测试配置文件路径: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配置文件不存在，创建默认配置文件: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>默认打印测试配置文件创建成功: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>创建默认打印测试配置文件失败: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印测试配置加载完成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>条码类型已保存: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>条码值已保存: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>位图路径已保存: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测试页文本已保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>58小票文本已保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>76小票文本已保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>80小票文本已保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP网段已保存: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP网段模式已保存: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自定义网段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本机网段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前设备型号已设置为: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前设备名称已设置为: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印测试配置文件为空或已损坏，重新创建默认配置文件: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>损坏的配置文件已备份为: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印测试配置文件缺少或损坏的项已使用默认值: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存配置项失败: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置未能保存，请检查配置文件夹是否可写、磁盘是否已满: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图片转换设置已保存: %1 亮度 %2 对比度 %3 反相 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>否</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 不是有效的网段: %2（应为前三个数字，如 10.1.2.），使用保存的设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本次运行搜索网段 %1（%2，未保存）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceItemDelegate</name>
    <message>
        <source>型号:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>厂商: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地址: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceListModel</name>
    <message>
        <source>未知设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知MAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知V/PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知型号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知厂商</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知地址</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceSearchPage</name>
    <message>
        <source>设备搜索</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备列表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>搜索设备中...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发现设备 (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>点击搜索按钮发现设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在搜索设备...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未发现设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⚙️配置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⏳搜索中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>🔍搜索设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>🔗连接设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+添加设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>进入配置界面&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DriverFunctionPage</name>
    <message>
        <source>请先选择一个打印机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机不可用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>驱动连接设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前列表为空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刷新</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>进入配置界面&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DriverPrinterItem</name>
    <message>
        <source>打开队列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>管理</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除设备</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FunctionMainLayout</name>
    <message>
        <source>工作模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蜂鸣-报警-切刀</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>实时状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>钱箱</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>位图logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>条码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>灯光</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更多参数设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无线及网络设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切换窗口: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>返回设备列表</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HttpRequest</name>
    <message>
        <source>无效URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机的回答不是HTTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少主机名</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IPSettingsForm</name>
    <message>
        <source>IP地址</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>子网掩码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>默认网关</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1格式不正确，请输入四组0-255的数字，如 192.168.1.100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>响应超时</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IPSettingsTcpLayout</name>
    <message>
        <source>IP设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>子网掩码:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入子网掩码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>默认网关:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入默认网关</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IPSettingsUsbLayout</name>
    <message>
        <source>(型号:r-vontasil 生效)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示：USB模式设置IP只对L7D生效</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>子网掩码:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入子网掩码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>默认网关:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入默认网关</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蓝牙设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蓝牙名称:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蓝牙配对码:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蓝牙地址:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印功能配置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印指令集:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纸张类型:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0:小票纸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1:间隙纸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印速度模式:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0:系统默认</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1:较慢</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2:正常</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3:较快</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印浓度模式:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1:较淡</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3:较浓</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字符集:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0:GB18030(中文)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KVZCODE128Dialog</name>
    <message>
        <source>输入不能为空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>手动输入模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示:请输入可见字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上传</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清空全部</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KVZCharInputDialog</name>
    <message>
        <source>字符输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>剩余字数: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切换小写</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切换大写</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KVZCustomCharTable</name>
    <message>
        <source>十六进制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纵向字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>横向字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编辑</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KVZNumberInputDialog</name>
    <message>
        <source>数字输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>剩余字数: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KVZPushButton</name>
    <message>
        <source>按钮</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LampForm</name>
    <message>
        <source>设置待机灯光开关</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指示灯颜色设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工作灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺纸灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刀片灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>过热灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>待机灯常亮</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>待机灯种类模式设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>常亮</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>律动1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>律动2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LeftPage</name>
    <message>
        <source>管理</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>驱动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开日志</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>日志查看器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存文本文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作日志</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存日志</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日志级别过滤:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日志行数: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Logger</name>
    <message>
        <source>应用程序启动
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日志目录创建成功:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法创建日志目录:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日志文件创建成功: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法创建日志文件:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日期变更，切换到新的日志文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日志文件大小达到限制 (%1 MB)，创建新文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日志级别设置为: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法创建目录:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开文件进行写入:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日志保存成功:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MinimizeButton</name>
    <message>
        <source>最小化</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkForm</name>
    <message>
        <source>网络设置已发送到 %1，打印机回应: HTTP %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网络设置发送到 %1 失败: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OtherForm</name>
    <message>
        <source>美国</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>法国</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>德国</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>英国</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>丹麦I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>瑞典</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>意大利</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西班牙I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日本</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>挪威</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>丹麦II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西班牙II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拉丁美洲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>韩国</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>斯洛维尼亚/克罗帝亚</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中国</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正常</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2倍</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3倍</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4倍</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5倍</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6倍</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7倍</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8倍</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置打印模式:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>国际字符集：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置蜂鸣器开关:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置切刀开关:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置错误蜂鸣类型:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一直响</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>响6声</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对齐方式:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左对齐</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中间对齐</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右对齐</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>顺时针旋转90度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>倒置打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字符大小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字符宽：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字符高：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>黑白反显</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左边距</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>×256)×横向移动单位]英寸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印区域宽度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移动单位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>横向：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纵向：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纸张大小:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纸张间隙:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最小间距</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>紧密排列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>默认间距</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>宽松间距</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印速度:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印浓度：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外设</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>启用切刀</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>启用蜂鸣</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>启用钱箱</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>启用中文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>汉字字符模式:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>倍宽</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>倍高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下划线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>汉字字符间距</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>汉字字符左间距:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>汉字字符右间距:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置机器型号:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最多16个字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恢复出厂设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB升级模式</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParameterRow</name>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureConversionControls</name>
    <message>
        <source>阈值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>误差扩散 (Floyd–Steinberg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>误差扩散 (Atkinson)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有序抖动 (Bayer 8×8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>转换方式:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>亮度:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对比度:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反相</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintDriverManager</name>
    <message>
        <source>打印机名称为空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机不可用: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开打印机: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送数据到打印机失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未选择打印机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印内容为空</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintPreviewDialog</name>
    <message>
        <source>预览</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintPreviewPane</name>
    <message>
        <source>预览第 %1 张</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不会打印任何内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 处打印机无法识别</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 个条码或二维码无法打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另有 %1 张未显示</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>创建配置文件夹失败: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配置文件不存在，创建默认配置文件: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>默认配置文件创建成功: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>创建默认配置文件失败: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取配置文件路径: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从配置文件读取到语言代码: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应用程序基础目录: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成功加载中文翻译文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成功加载英文翻译文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未识别的语言代码: %1，使用默认语言</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>英文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>英文(默认)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>语言切换: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置语言到配置文件: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配置文件路径: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>语言设置已保存到配置文件: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应用程序将重启以应用新的语言设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新应用实例启动成功，当前应用即将退出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重启应用失败，请手动重启应用程序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主窗口已隐藏，准备重启应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CodePageSelect已保存到配置文件: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法启动 %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>程序文件不存在</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>程序文件不可执行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配置文件为空或已损坏，重新创建默认配置文件: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>损坏的配置文件已备份为: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存配置项失败: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>找不到图片: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RealTimeStatusForm</name>
    <message>
        <source>打印机状态:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两个钱箱都关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一个或两个钱箱打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>脱机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>脱机状态:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上盖开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上盖关</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按下走纸键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未按走纸键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机缺纸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机不缺纸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有错误情况</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有出错情况</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>错误状态:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切刀有错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切刀无错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有不可恢复错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无不可恢复错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印头温度或电压超出范围</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印头温度和电压正常</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>传送纸状态:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纸尽</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有纸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>响应超时</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>实时状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>脱机状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>错误状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>传送纸状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>状态信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清空</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestartDialog</name>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>否</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RightPage</name>
    <message>
        <source>切换到usb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切换到tcp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切换到串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切换到驱动</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[第二次搜索] %1 connected!</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上次搜索到设备但本次未找到，可能是搜索异常，准备重新搜索...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本次搜索结果与上次不一致，可能是搜索异常，准备重新搜索...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本次搜索完成，共发现 %1 个设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始第二次搜索...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第二次搜索结果不如第一次，使用第一次结果（%1 个）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第二次搜索完成，发现 %1 个设备（第一次: %2 个）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未能获取完整的设备信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (MAC地址获取失败)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (设备名称获取失败)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>htmlContent: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过 nativeColorPicker 判断型号: KVZ-L7N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过 configureNetwork 判断型号: KVZ-L7N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过 rgbToHex 判断型号: KVZ-L7N</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialFunctionPage</name>
    <message>
        <source>串口连接设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM口:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>波特率:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已连接</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未连接</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>断开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刷新串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>进入配置界面&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口错误: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialPortManager</name>
    <message>
        <source>奇校验</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口已经连接</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口连接失败: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置波特率失败: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置数据位失败: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置停止位失败: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置校验位失败: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置流控制失败: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口连接成功:%1 波特率:%2  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口已断开连接</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刷新缓冲区失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口未连接</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送数据失败: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据发送不完整</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无效的十六进制数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送十六进制数据失败: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>十六进制数据发送不完整</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>找不到设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>权限不足</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备已打开或打开失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写入数据失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取数据失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>资源错误，设备可能已被移除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不支持的操作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作超时</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备未打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知错误: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有权限打开 %1：请把用户加入 dialout 组（sudo usermod -aG dialout $USER），重新登录后再试</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialSettingsCard</name>
    <message>
        <source>串口设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>波特率:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据位:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验位:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止位:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialTerminalDrawer</name>
    <message>
        <source>接收数据:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无效的十六进制数据！请输入有效的十六进制字符串（偶数位数字符）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[发送 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>十六进制显示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接收到的数据将显示在这里...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清空接收</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送数据:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>十六进制发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在此输入十六进制数据（如：48 65 6C 6C 6F）...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在此输入要发送的数据...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清空</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingChoiceRow</name>
    <message>
        <source>查询</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsBarcodePage</name>
    <message>
        <source>输入11或12位数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入6或7位数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入12或13位数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入7或8位数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入1-255个字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入1-255个数字, 个数为偶数个</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>条码类型:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>条码内容:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置为测试打印条码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置为默认条码</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>图片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置打印图片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>条码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置打印条码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测试页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置打印测试页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小票</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置打印小票</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置打印内容</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsImagePage</name>
    <message>
        <source>选择图片:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请选择图片文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置为测试打印图片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置为默认图片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择图片文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图片文件 (*.png *.jpg *.jpeg *.bmp )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 点</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsReceiptPage</name>
    <message>
        <source>58小票</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>76小票</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>80小票</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测试</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入商品名称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数量必须为正整数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>价格必须为非负数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>商品名称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>价格</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>份</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>合计金额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单价折扣金额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>金额小计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印时间:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>类型设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标题设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入小票标题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>修改标题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>商品录入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>添加商品</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算操作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置为打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置为默认</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列表</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsTestPagePage</name>
    <message>
        <source>指令</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文本(未实现)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在这里输入打印测试页对应的指令代码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置为测试页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置为默认内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示默认内容</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusPage</name>
    <message>
        <source>设备名称: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC地址: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>型号: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM口: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>版本：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusRow</name>
    <message>
        <source>✓ 设备已连接</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✗ 设备未连接</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCPFunctionPage</name>
    <message>
        <source>TCP设备搜索</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>添加成功: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接失败:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置已经发出,请检查打印机是否执行</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TcpDeviceManager</name>
    <message>
        <source>TCP发出数据 %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接主机ip: %1 端口: %2 成功</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接主机ip: %1 失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>断开主机ip: %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP 设备搜索到设备 ip:%1 mac:%2 name:%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP 设备搜索完成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP未连接打印机，数据未发出 %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP数据发送失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接主机ip: %1 失败: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是 IPv4 地址: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TcpSegmentDialog</name>
    <message>
        <source>网段配置已保存: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网段格式错误，请输入正确格式如: 192.168.1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已设置为使用本机网段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP网段配置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网段模式:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用本机网段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自定义网段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>格式示例: 192.168.1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextEncoding</name>
    <message>
        <source>以下字符无法用 %1 编码: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>USBDeviceManager</name>
    <message>
        <source>USB数据发送失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB收到的数据 %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接USB设备: %1 失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接USB设备: %1 成功</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>断开USB设备: %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB设备搜索完成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB发出数据 %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SendAsync 发送失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送超时</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重新连接USB设备 %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usb设备 %1 断开!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有权限打开 %1：请把用户加入 lp 组（sudo usermod -aG lp $USER），重新登录后再试</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>USBFunctionPage</name>
    <message>
        <source>USB设备搜索</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接失败:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备已断开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备重连</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备已连接:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>USBPrinterController</name>
    <message>
        <source>USB发出数据 %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送出现错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB读取错误: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB写入错误: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>USBReadWorker</name>
    <message>
        <source>读取错误: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>USBWriteWorker</name>
    <message>
        <source>写入错误: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VersionLogDialog</name>
    <message>
        <source>版本更新日志</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>版本：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkingModeForm</name>
    <message>
        <source>打印内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送周期</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在这里输入要打印的信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>代码页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印动作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印并换行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走纸行数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走纸距离</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>×移动单位 英寸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置行间距</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印/设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置默认行间距</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>初始化打印机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印测试</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印图片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印条码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印测试页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印58小票</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印76小票</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印80小票</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印自检页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置打印内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作为图片打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印代码页表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预览</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>窗口尺寸: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>版本号: </source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的参数: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少目标文件: --targets FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--interval 应为 %1 到 %2 之间的秒数: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 应为 1 到 %2 之间的毫秒数: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>命令行: quillmark exporter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在 http://%1%2 提供指标，轮询 %3 台打印机，每 %4 秒一次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出器结束</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrinterExporter</name>
    <message>
        <source>--listen 应为 地址:端口（如 127.0.0.1:9731，IPv6 地址写在 [] 中）: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法在 %1 上提供指标: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出器在 http://%1%2 提供指标，每 %3 秒轮询一次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1；继续轮询原来的 %2 台打印机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目标文件 %1 中没有有效的行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重新读取目标文件 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印队列不回答状态查询，不轮询: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>轮询 %1 台打印机（目标文件 %2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机 %1 没有应答: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机 %1 应答: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机 %1 恢复应答: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机 %1 状态: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusPoller</name>
    <message>
        <source>无法开始轮询: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法创建套接字: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法连接: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开 %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 不是设备节点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写入失败: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机关闭了连接</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备已断开: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接被打印机重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取失败: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回答不是状态字节: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接超时（%1 毫秒）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>状态查询在 %1 毫秒内没有得到回答</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TargetFile</name>
    <message>
        <source>引号没有结束</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 第 %2 行: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目标应写作 tcp:地址、usb:节点、serial:路径[:波特率] 或 queue:名称: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的传输方式: %1（应为 tcp、usb、serial 或 queue）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 需要一个值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是 IPv4 地址: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不支持的波特率: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备路径必须是绝对路径: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行中有控制字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签太多（最多 %1 个）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签应写作 名称=值: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无效的标签名: %1（字母、数字和 _，不以数字开头）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签名 %1 是保留的</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签 %1 的值太长（最多 %2 个字符）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签 %1 出现了两次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行太长（最多 %1 字节）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是 UTF-8 文本</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 已在第 %2 行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目标太多（最多 %1 个）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法读取目标文件 %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是一个文件夹</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目标文件 %1 太大（最多 %2 MiB）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入目标文件 %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceNodeAccess</name>
    <message>
        <source>%1 不是设备节点（应为字符设备，如 /dev/usb/lp0 或 /dev/ttyUSB0）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelperFunction</name>
    <message>
        <source>请输入有效的IP地址（四组 0-255 的数字，如 192.168.1.100）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
