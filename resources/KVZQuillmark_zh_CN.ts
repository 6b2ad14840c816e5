<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
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
        <source>%1 蓝牙名称过长 (%2 字节，最多 %3 字节)，未发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 蓝牙配对码过长 (%2 字节，最多 %3 字节)，未发送</source>
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
</context>
<context>
    <name>RawHttpGet</name>
    <message>
        <source>无效URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少主机名</source>
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
</TS>
