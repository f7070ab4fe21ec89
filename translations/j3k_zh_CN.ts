<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ComboAccessible</name>
    <message>
        <location filename="../src/app/comboaccessible.cpp" line="+34"/>
        <source>one of %1</source>
        <translation>可选 %1 之一</translation>
    </message>
</context>
<context>
    <name>DlgChanges</name>
    <message>
        <location filename="../src/app/dlgchanges.cpp" line="+56"/>
        <source>Parameter</source>
        <translation>参数</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+84"/>
        <source>Transmitter</source>
        <translation>发射机</translation>
    </message>
    <message>
        <location line="-84"/>
        <source>Editor</source>
        <translation>编辑器</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put back the transmitter&apos;s values</source>
        <translation>恢复为发射机中的值</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare with the transmitter</source>
        <translation>与发射机比较</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Differs from the editor by</source>
        <translation>与编辑器相差</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load backup</source>
        <translation>加载备份</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CHANGES</source>
        <translation>CHANGES</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Compare with a file...</source>
        <translation>与文件比较...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Backups of earlier READs, newest first, in %1</source>
        <translation>以前各次 READ 的备份（最新的在前），位于 %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>History: %1 undoes, %2 redoes. Click a step to go back to it.</source>
        <translation>历史：%1 撤销，%2 重做。点击某一步即回到该步。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 or %2</source>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>start of this session</source>
        <translation>本次启动时</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>%1 holds what the editor shows.</source>
        <translation>%1 与编辑器中的值相同。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 differs from the editor in 1 value.</source>
        <translation>%1 与编辑器有 1 个值不同。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 differs from the editor in %2 values.</source>
        <translation>%1 与编辑器有 %2 个值不同。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The transmitter has not been read: open its port and READ first.</source>
        <translation>尚未读取发射机：请先打开它的串口并 READ。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The editor shows what the transmitter holds.</source>
        <translation>编辑器中的值与发射机中的相同。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An UPDATE would change 1 value:</source>
        <translation>UPDATE 将改变 1 个值：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An UPDATE would change %1 values:</source>
        <translation>UPDATE 将改变 %1 个值：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>not a parameter file</source>
        <translation>不是参数文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>values out of range</source>
        <translation>数值超出范围</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 parameter</source>
        <translation>1 个参数</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 parameters</source>
        <translation>%1 个参数</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1, dated in the future</source>
        <translation>%1，日期在未来</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Compare with a parameter file</source>
        <translation>与参数文件比较</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>LOAD backup %1</source>
        <translation>LOAD 备份 %1</translation>
    </message>
</context>
<context>
    <name>DlgLoad</name>
    <message>
        <location filename="../src/app/dlgload.ui" line="+26"/>
        <source>加载文件</source>
        <translation>加载文件</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>filename：</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <location line="+3"/>
        <source>用于打开二进制文件</source>
        <translation>BIT：以十六进制数显示文件的前 16 个字节（53 30 30 …）；内容为此类十六进制文本的文件，按其表示的字节加载。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BIT</source>
        <translation>BIT</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>file info</source>
        <translation>文件信息</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>file length：0</source>
        <translation>文件长度：0</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Preview before 16 bytes of data：</source>
        <translation>前 16 个字节预览：</translation>
    </message>
    <message>
        <location filename="../src/app/dlgload.cpp" line="+89"/>
        <source>打开文件</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>所有文件 (*);;文本文件 (*.txt *.dat)</source>
        <translation>所有文件 (*);;文本文件 (*.txt *.dat)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>错误</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>不能读取指定的文件</source>
        <translation>不能读取指定的文件</translation>
    </message>
    <message>
        <location line="-75"/>
        <location line="+6"/>
        <location line="+78"/>
        <source>文件长度：%1B</source>
        <translation>文件长度：%1B</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/app/mainwindow.ui" line="+9"/>
        <source>J3K&amp;J3LM(BLE) parameter setting sofeware  V3.0</source>
        <translation>J3K&amp;J3LM(BLE) parameter setting sofeware  V3.0</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>BASIC MENU</source>
        <translation>BASIC MENU</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>REVERSE</source>
        <translation>REVERSE</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>0-N</source>
        <translation>0-N</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1-R</source>
        <translation>1-R</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>SUB-TRIM</source>
        <translation>SUB-TRIM</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>END POINT</source>
        <translation>END POINT</translation>
    </message>
    <message>
        <location line="+225"/>
        <source>  L                R</source>
        <translation>  L                R</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CHANNEL</source>
        <translation>CHANNEL</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH1：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH1：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH2：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH2：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH3：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH3：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH4：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH4：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH5：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH5：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH6：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH6：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH7：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH7：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH8：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH8：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>FAIL SAFE</source>
        <translation>FAIL SAFE</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>PARAMENTER</source>
        <translation>PARAMENTER</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>TX-ALARM：</source>
        <translation>TX-ALARM：</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>STK-MODE：</source>
        <translation>STK-MODE：</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>VERSION：</source>
        <translation>VERSION：</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>AUX-CH</source>
        <translation>AUX-CH</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>0:SwA</source>
        <translation>0:SwA</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>1:SwB</source>
        <translation>1:SwB</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>2:VrA</source>
        <translation>2:VrA</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>3:VrB</source>
        <translation>3:VrB</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CH5:</source>
        <translation>CH5:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CH6:</source>
        <translation>CH6:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CH7:</source>
        <translation>CH7:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CH8:</source>
        <translation>CH8:</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>4:NULL</source>
        <translation>4:NULL</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>SETTING</source>
        <translation>SETTING</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OPEN/OFF</source>
        <translation>OPEN/OFF</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+269"/>
        <location line="+519"/>
        <location line="+110"/>
        <location line="+54"/>
        <location line="+120"/>
        <location filename="../src/app/mainwindow_serial.cpp" line="+199"/>
        <source>OPEN</source>
        <translation>OPEN</translation>
    </message>
    <message>
        <location line="-1065"/>
        <source>PortNum：</source>
        <translation>PortNum：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>DTR</source>
        <translation>DTR</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>RTS</source>
        <translation>RTS</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>BaudR：</source>
        <translation>BaudR：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Baud rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>2400</source>
        <translation>2400</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4800</source>
        <translation>4800</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>14400</source>
        <translation>14400</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>19200</source>
        <translation>19200</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>38400</source>
        <translation>38400</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>56000</source>
        <translation>56000</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>57600</source>
        <translation>57600</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>115200</source>
        <translation>115200</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DataB：</source>
        <translation>DataB：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Data bits</source>
        <translation>数据位</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>STOPB：</source>
        <translation>STOPB：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stop bits</source>
        <translation>停止位</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1.5</source>
        <translation>1.5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Parity：</source>
        <translation>Parity：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Parity</source>
        <translation>校验位</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ODD</source>
        <translation>ODD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EVEN</source>
        <translation>EVEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MARK</source>
        <translation>MARK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SPACE</source>
        <translation>SPACE</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Control：</source>
        <translation>Control：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Flow control</source>
        <translation>流控制</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+149"/>
        <location line="+282"/>
        <location line="+237"/>
        <location line="+110"/>
        <location line="+54"/>
        <location line="+120"/>
        <location filename="../src/app/mainwindow.cpp" line="+158"/>
        <location filename="../src/app/mainwindow_serial.cpp" line="-13"/>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <location line="-951"/>
        <source>HARDWARE</source>
        <translation>HARDWARE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>XONXOFF</source>
        <translation>XONXOFF</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DELAY</source>
        <translation>DELAY</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>ADVACNE MENU</source>
        <translation>ADVACNE MENU</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>D/R</source>
        <translation>D/R</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+385"/>
        <location line="+174"/>
        <location line="+123"/>
        <location line="+141"/>
        <source>MIX：</source>
        <translation>MIX：</translation>
    </message>
    <message>
        <location line="-803"/>
        <source>CH ：</source>
        <translation>CH ：</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>SW：</source>
        <translation>SW：</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>RATE- UP ：</source>
        <translation>RATE- UP ：</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+697"/>
        <location line="+14"/>
        <location line="+120"/>
        <location line="+14"/>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <location line="-844"/>
        <location line="+697"/>
        <location line="+14"/>
        <location line="+120"/>
        <location line="+14"/>
        <source>CH2</source>
        <translation>CH2</translation>
    </message>
    <message>
        <location line="-844"/>
        <location line="+697"/>
        <location line="+14"/>
        <location line="+120"/>
        <location line="+14"/>
        <source>CH3</source>
        <translation>CH3</translation>
    </message>
    <message>
        <location line="-844"/>
        <location line="+697"/>
        <location line="+14"/>
        <location line="+120"/>
        <location line="+14"/>
        <source>CH4</source>
        <translation>CH4</translation>
    </message>
    <message>
        <location line="-842"/>
        <source>D/R SW</source>
        <translation>D/R SW</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SWA</source>
        <translation>SWA</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>RATE-DOWN：</source>
        <translation>RATE-DOWN：</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>ATTITUDE</source>
        <translation>ATTITUDE</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CH：</source>
        <translation>CH：</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ATTI1：</source>
        <translation>ATTI1：</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ATTI2：</source>
        <translation>ATTI2：</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ATTI3：</source>
        <translation>ATTI3：</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ATTI4：</source>
        <translation>ATTI4：</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ATTI5:</source>
        <translation>ATTI5:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ATTI6:</source>
        <translation>ATTI6:</translation>
    </message>
    <message>
        <location line="+85"/>
        <location line="+469"/>
        <location line="+14"/>
        <location line="+120"/>
        <location line="+14"/>
        <source>CH5</source>
        <translation>CH5</translation>
    </message>
    <message>
        <location line="-616"/>
        <location line="+469"/>
        <location line="+14"/>
        <location line="+120"/>
        <location line="+14"/>
        <source>CH6</source>
        <translation>CH6</translation>
    </message>
    <message>
        <location line="-616"/>
        <location line="+469"/>
        <location line="+14"/>
        <location line="+120"/>
        <location line="+14"/>
        <source>CH7</source>
        <translation>CH7</translation>
    </message>
    <message>
        <location line="-616"/>
        <location line="+469"/>
        <location line="+14"/>
        <location line="+120"/>
        <location line="+14"/>
        <source>CH8</source>
        <translation>CH8</translation>
    </message>
    <message>
        <location line="-604"/>
        <source>（UP-UP）</source>
        <translation>（UP-UP）</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>(UP-CT)</source>
        <translation>(UP-CT)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>(UP-DN)</source>
        <translation>(UP-DN)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>(DN-UP)</source>
        <translation>(DN-UP)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>（DN-CT）</source>
        <translation>（DN-CT）</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>（DN-DN）</source>
        <translation>（DN-DN）</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ELEVON</source>
        <translation>ELEVON</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>（L）</source>
        <translation>（L）</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>（R）</source>
        <translation>（R）</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>AILE1：</source>
        <translation>AILE1：</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>AILE2：</source>
        <translation>AILE2：</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+145"/>
        <source>ELEV2：</source>
        <translation>ELEV2：</translation>
    </message>
    <message>
        <location line="-138"/>
        <location line="+131"/>
        <source>ELEV1：</source>
        <translation>ELEV1：</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>V-TAIL</source>
        <translation>V-TAIL</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>RUDD1：</source>
        <translation>RUDD1：</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>RUDD2：</source>
        <translation>RUDD2：</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>PROG.MIX1</source>
        <translation>PROG.MIX1</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+147"/>
        <source>OFFSET：</source>
        <translation>OFFSET：</translation>
    </message>
    <message>
        <location line="-140"/>
        <location line="+126"/>
        <source>MAS：</source>
        <translation>MAS：</translation>
    </message>
    <message>
        <location line="-119"/>
        <location line="+126"/>
        <source>SLA：</source>
        <translation>SLA：</translation>
    </message>
    <message>
        <location line="-107"/>
        <location line="+120"/>
        <source>INH</source>
        <translation>INH</translation>
    </message>
    <message>
        <location line="-111"/>
        <location line="+133"/>
        <source>UP ：</source>
        <translation>UP ：</translation>
    </message>
    <message>
        <location line="-126"/>
        <location line="+133"/>
        <source>DOWN：</source>
        <translation>DOWN：</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>PROG.MIX2</source>
        <translation>PROG.MIX2</translation>
    </message>
    <message>
        <location line="+138"/>
        <location filename="../src/app/mainwindow_review.cpp" line="+72"/>
        <location line="+4"/>
        <source>READ</source>
        <translation>READ</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>LOAD</source>
        <translation>LOAD</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UPDATE</source>
        <translation>UPDATE</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <location filename="../src/app/dlgchanges.cpp" line="+6"/>
        <location filename="../src/app/mainwindow.cpp" line="+44"/>
        <location line="+4"/>
        <location line="+37"/>
        <location filename="../src/app/mainwindow_history.cpp" line="+185"/>
        <location filename="../src/app/mainwindow_serial.cpp" line="+106"/>
        <location filename="../src/app/mainwindow_sheet.cpp" line="+84"/>
        <source>错误</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="-43"/>
        <location line="+34"/>
        <source>不能读取指定的文件</source>
        <translation>不能读取指定的文件</translation>
    </message>
    <message>
        <location line="-39"/>
        <location filename="../src/app/mainwindow.cpp" line="-16"/>
        <source>文本文件 (*.txt *.dat);;所有文件 (*)</source>
        <translation>文本文件 (*.txt *.dat);;所有文件 (*)</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/app/mainwindow.cpp" line="-25"/>
        <source>文件格式不正确</source>
        <translation>文件格式不正确</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/app/mainwindow.cpp" line="+4"/>
        <source>The file holds values outside their ranges; nothing was loaded.</source>
        <translation>文件中有超出范围的数值，未加载任何内容。</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="+21"/>
        <source>保存数据</source>
        <translation>保存数据</translation>
    </message>
    <message>
        <location line="-35"/>
        <location filename="../src/app/mainwindow_desktop.cpp" line="+153"/>
        <source>LOAD %1</source>
        <translation>LOAD %1</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>不能写入指定的文件</source>
        <translation>不能写入指定的文件</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1已打开 %2 %3 %4 | </source>
        <translation>%1已打开 %2 %3 %4 | </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>串口未打开 | </source>
        <translation>串口未打开 | </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>发送：%1B | 接收：%2B</source>
        <translation>发送：%1B | 接收：%2B</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow_desktop.cpp" line="-118"/>
        <source>Read the transmitter&apos;s settings (%1)</source>
        <translation>从发射机读取参数（%1）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send the settings to the transmitter (%1)</source>
        <translation>把参数发送到发射机（%1）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load settings from a file (%1)</source>
        <translation>从文件加载参数（%1）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save the settings to a file (%1)</source>
        <translation>把参数保存到文件（%1）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>What an UPDATE would change; compare with a file or a backup (%1)</source>
        <translation>UPDATE 将改变哪些值；与文件或备份比较（%1）</translation>
    </message>
    <message>
        <location line="+121"/>
        <location filename="../src/app/mainwindow_serial.cpp" line="-245"/>
        <source>VIRTUAL-TX</source>
        <translation>VIRTUAL-TX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A transmitter simulated inside the editor</source>
        <translation>编辑器内模拟的发射机</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow_serial.cpp" line="+134"/>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+7"/>
        <location line="+6"/>
        <source>Can not open!</source>
        <translation>不能打开串口！</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+7"/>
        <source>error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>The port name is longer than any path can be.</source>
        <translation>串口名称超过了路径的最大长度。</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>stopped by signal %1; the UPDATE was completed (S and G records sent) before stopping</source>
        <translation>因信号 %1 停止；停止前已完成 UPDATE（S 和 G 记录均已发送）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>stopped by signal %1</source>
        <translation>因信号 %1 停止</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>UPDATE is incomplete: the transmitter got the S record but not the G record. Repeat UPDATE once the port is back.</source>
        <translation>UPDATE 未完成：发射机收到了 S 记录，但没有收到 G 记录。串口恢复后请再次 UPDATE。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>串口连接已断开</source>
        <translation>串口连接已断开</translation>
    </message>
    <message>
        <location filename="../src/app/portdescription.cpp" line="+12"/>
        <source>Description: %1</source>
        <translation>描述：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Maker: %1</source>
        <translation>制造商：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB vendor:product: %1:%2</source>
        <translation>USB 厂商:产品：%1:%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Serial number: %1</source>
        <translation>序列号：%1</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow_review.cpp" line="-49"/>
        <source>CHANGES</source>
        <translation>CHANGES</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>1 change is not saved or written to the transmitter.</source>
        <translation>有 1 处改动既未保存，也未写入发射机。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 changes are not saved or written to the transmitter.</source>
        <translation>有 %1 处改动既未保存，也未写入发射机。</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>READ will replace 1 change not written.</source>
        <translation>READ 将覆盖 1 处尚未写入的改动。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>READ will replace %1 changes not written.</source>
        <translation>READ 将覆盖 %1 处尚未写入的改动。</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow_history.cpp" line="-150"/>
        <location line="+52"/>
        <location line="+104"/>
        <source>unwritten values could not be kept: %1</source>
        <translation>未写入的参数无法保存：%1</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>undone: %1</source>
        <translation>已撤销：%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>redone: %1</source>
        <translation>已重做：%1</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Unwritten values of a session that ended were kept, written %1: %n value(s) unlike the window&apos;s.</source>
        <translation>
            <numerusform>已结束的会话留下了未写入的参数，写于 %1：其中 %n 个与窗口中的不同。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n older session(s) left values too, written %1.</source>
        <translation>
            <numerusform>另有 %n 个较早的会话也留下了参数，写于 %1。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Not offered: %1 (%2)</source>
        <translation>未提供：%1（%2）</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n more not offered, named in the tooltip.</source>
        <translation>
            <numerusform>另有 %n 个未提供，详见提示。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The unwritten values could not be restored.</source>
        <translation>无法恢复未写入的参数。</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>restored %n value(s) written %1</source>
        <translation>
            <numerusform>已恢复 %n 个参数（写于 %1）</numerusform>
        </translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>丢弃</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard all</source>
        <translation>全部丢弃</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Deletes the %n file(s) this editor can read and owns; the others stay.</source>
        <translation>
            <numerusform>删除本编辑器能读取且归当前用户所有的 %n 个文件；其余的保留。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unwritten values of the last session kept</source>
        <translation>已保留上次未写入的参数</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow_sheet.cpp" line="-22"/>
        <source>SHEET</source>
        <translation>SHEET</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The settings on one page: print them, or keep them as a PDF</source>
        <translation>全部设置印在一页上：打印，或保存为 PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export PDF...</source>
        <translation>导出 PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print...</source>
        <translation>打印...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The sheet could not be written; the file is as it was.</source>
        <translation>设置单无法写入；文件保持原样。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Setup sheet written to %1</source>
        <translation>设置单已写入 %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Setup sheet</source>
        <translation>设置单</translation>
    </message>
</context>
<context>
    <name>ParamBinding</name>
    <message>
        <location filename="../src/app/parambinding.cpp" line="+115"/>
        <source>one of %1</source>
        <translation>可选 %1 之一</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>from %1 to %2</source>
        <translation>从 %1 到 %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1; changed: the transmitter holds %2</source>
        <translation>%1；已改动：发射机中的值为 %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1; written, not yet confirmed</source>
        <translation>%1；已写入，尚未确认</translation>
    </message>
</context>
<context>
    <name>ParamDocument</name>
    <message>
        <location filename="../src/document/paramdocument.cpp" line="+85"/>
        <source>The recovery file %1 could not be read: %2</source>
        <translation>无法读取恢复文件 %1：%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The recovery file %1 is not a parameter file.</source>
        <translation>恢复文件 %1 不是参数文件。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The recovery file %1 holds values outside their ranges:
%2</source>
        <translation>恢复文件 %1 中有超出范围的数值：
%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Restore unwritten values</source>
        <translation>恢复未写入的参数</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Put back the transmitter&apos;s values</source>
        <translation>恢复为发射机中的值</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>READ</source>
        <translation>READ</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>frames from the transmitter</source>
        <translation>发射机发来的数据帧</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <location filename="../src/document/recoveryfile.cpp" line="+59"/>
        <source>the reason is unknown</source>
        <translation>原因不明</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>it belongs to %1</source>
        <translation>它属于 %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>its lock cannot be made: %1</source>
        <translation>无法创建它的锁文件：%1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>an editor on %1 may still be using it</source>
        <translation>%1 上的编辑器可能仍在使用它</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its lock is held</source>
        <translation>它的锁被占用</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>%1 could not be locked: %2</source>
        <translation>无法锁定 %1：%2</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>it holds values outside their ranges</source>
        <translation>其中有超出范围的数值</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a parameter file</source>
        <translation>它不是参数文件</translation>
    </message>
</context>
<context>
    <name>SetupSheet</name>
    <message>
        <location filename="../src/sheet/sheetlayout.cpp" line="+110"/>
        <source>Read from the transmitter on %1</source>
        <translation>%1 从发射机读取</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>From the file %1</source>
        <translation>来自文件 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Values set in the editor, from no file and no READ</source>
        <translation>编辑器中设定的数值，不来自文件，也未经 READ</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>1 value differs from the transmitter: underlined on grey, the transmitter&apos;s value beside (TX).</source>
        <translation>1 个数值与发射机不同：灰底加下划线，旁边是发射机中的数值 (TX)。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 values differ from the transmitter: underlined on grey, the transmitter&apos;s value beside (TX).</source>
        <translation>%1 个数值与发射机不同：灰底加下划线，旁边是发射机中的数值 (TX)。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 value written by UPDATE, not yet confirmed by a READ: in italics.</source>
        <translation>1 个数值已由 UPDATE 写入，尚未经 READ 确认：以斜体显示。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 values written by UPDATE, not yet confirmed by a READ: in italics.</source>
        <translation>%1 个数值已由 UPDATE 写入，尚未经 READ 确认：以斜体显示。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every value is the transmitter&apos;s.</source>
        <translation>所有数值均与发射机相同。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>J3K&amp;J3LM setup sheet</source>
        <translation>J3K&amp;J3LM 设置单</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>MODEL AND NOTES</source>
        <translation>模型与备注</translation>
    </message>
    <message>
        <location filename="../src/sheet/sheetpainter.cpp" line="+90"/>
        <source>TX %1</source>
        <translation>TX %1</translation>
    </message>
    <message>
        <location filename="../src/sheet/sheetpdf.cpp" line="+32"/>
        <source>cannot draw the PDF</source>
        <translation>无法绘制 PDF</translation>
    </message>
</context>
<context>
    <name>SmallFile</name>
    <message>
        <location filename="../src/core/smallfile.cpp" line="+20"/>
        <source>It is not a regular file.</source>
        <translation>这不是普通文件。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file is %1 bytes long; a parameter file is 162 bytes, and no file over %2 bytes is read.</source>
        <translation>文件长 %1 字节；参数文件为 162 字节，超过 %2 字节的文件不予读取。</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Its name is not UTF-8; files are written under UTF-8 names only.</source>
        <translation>文件名不是 UTF-8 编码；只能以 UTF-8 文件名写入文件。</translation>
    </message>
</context>
<context>
    <name>TransmitterReview</name>
    <message>
        <location filename="../src/app/transmitterreview.cpp" line="+69"/>
        <source>no answer to READ: check port, settings, transmitter power</source>
        <translation>READ 无应答：请检查串口、设置和发射机电源</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The transmitter did not answer READ within a second. Check that the port is the transmitter&apos;s, that the port settings are its settings, and that it is switched on.</source>
        <translation>发射机在一秒内没有应答 READ。请检查：串口是否为发射机的串口，串口设置是否与发射机一致，发射机是否已开机。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>READ incomplete: %1 of %2 groups</source>
        <translation>READ 不完整：收到 %2 组中的 %1 组</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Not received: %1</source>
        <translation>未收到：%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Refused: %1</source>
        <translation>已拒收：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>frame refused: %1</source>
        <translation>数据帧被拒收：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A frame held values no parameter can have; nothing of it was applied:
%1</source>
        <translation>数据帧中的值超出参数的取值范围，整帧均未应用：
%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>UPDATE confirmed: every value written came back</source>
        <translation>UPDATE 已确认：写入的每个值都已读回</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPDATE did not take every value</source>
        <translation>UPDATE 未能写入全部值</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>no backup written: %1</source>
        <translation>未写入备份：%1</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>READ asked three times; no two answers brought the same values for the groups named, so their values stay not read.</source>
        <translation>READ 已询问三次，所列各组没有两次应答给出相同的值，因此这些值仍为未读取。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The backup of this READ could not be written: %1</source>
        <translation>本次 READ 的备份无法写入：%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>UPDATE did not take:</source>
        <translation>UPDATE 未生效：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: sent %2, the transmitter has %3</source>
        <translation>%1：发送了 %2，发射机中的值为 %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>UPDATE</source>
        <translation>UPDATE</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The transmitter holds %1</source>
        <translation>发射机中的值为 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPDATE wrote %1; READ to confirm that the transmitter holds it</source>
        <translation>UPDATE 已写入 %1；请 READ 以确认发射机已保存</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>not read</source>
        <translation>未读取</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 change not written</source>
        <translation>1 处改动未写入</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 changes not written</source>
        <translation>%1 处改动未写入</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>written, READ to confirm</source>
        <translation>已写入，请 READ 确认</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not all read</source>
        <translation>未全部读取</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>same as the transmitter</source>
        <translation>与发射机一致</translation>
    </message>
</context>
<context>
    <name>ValueHistory</name>
    <message>
        <location filename="../src/document/valuehistory.cpp" line="+109"/>
        <source>%1 %2 → %3</source>
        <translation>%1 %2 → %3</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>%1 values edited</source>
        <translation>修改了 %1 个参数</translation>
    </message>
</context>
<context>
    <name>j3k::BackupStore</name>
    <message>
        <location filename="../src/core/backups.cpp" line="+138"/>
        <source>cannot make the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot list %1: %2</source>
        <translation>无法列出 %1：%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>j3k::RangeCheck</name>
    <message>
        <location filename="../src/core/rangecheck.cpp" line="+28"/>
        <source>%1: item %2 is outside %3…%4 (%5)</source>
        <translation>%1：选项 %2 超出 %3…%4（%5）</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: %2 is outside %3…%4</source>
        <translation>%1：%2 超出 %3…%4</translation>
    </message>
</context>
<context>
    <name>j3k::ReadRounds</name>
    <message>
        <location filename="../src/session/readrounds.cpp" line="+167"/>
        <source>%1: three answers disagreed; is the line noisy?</source>
        <translation>%1：三次应答互不一致，线路是否有干扰？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: two answers disagreed; is the line noisy?</source>
        <translation>%1：两次应答互不一致，线路是否有干扰？</translation>
    </message>
</context>
<context>
    <name>j3k::SessionWorker</name>
    <message>
        <location filename="../src/session/sessionworker.cpp" line="+41"/>
        <source>the line went away: %1</source>
        <translation>连接已断开：%1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>the port was closed</source>
        <translation>串口已关闭</translation>
    </message>
</context>
<context>
    <name>j3k::TxLink</name>
    <message>
        <location filename="../src/link/txlink.cpp" line="+66"/>
        <source>Another program has this port open: close the port there, or quit that program.</source>
        <translation>另一个程序已打开此串口：请在那里关闭串口，或退出那个程序。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Serial ports belong to the %1 group: add yourself with &quot;sudo usermod -aG %1 $USER&quot; and log in again.</source>
        <translation>串口设备属于 %1 组：用 &quot;sudo usermod -aG %1 $USER&quot; 把自己加入该组，然后重新登录。</translation>
    </message>
    <message>
        <location line="+133"/>
        <source>the port took nothing for %1 ms</source>
        <translation>端口在 %1 毫秒内未接收任何数据</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/app/main.cpp" line="+42"/>
        <source>Parameter editor for J3K and J3LM transmitters</source>
        <translation>J3K 与 J3LM 发射机参数编辑器</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show the editor in &lt;language&gt;: zh or en (default: from the system locale).</source>
        <translation>以 &lt;language&gt; 显示编辑器：zh 或 en（默认：按系统区域设置）。</translation>
    </message>
</context>
</TS>
