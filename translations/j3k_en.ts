<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DlgLoad</name>
    <message>
        <location filename="../src/app/dlgload.ui" line="+26"/>
        <source>加载文件</source>
        <translation>Load file</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>filename：</source>
        <translation>filename:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <location line="+3"/>
        <source>用于打开二进制文件</source>
        <translation>For opening binary files</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CANCEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>file info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>file length：0</source>
        <translation>file length: 0</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Preview before 16 bytes of data：</source>
        <translation>Preview before 16 bytes of data:</translation>
    </message>
    <message>
        <location filename="../src/app/dlgload.cpp" line="+59"/>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>所有文件 (*.*);;文本文件 (*.txt *.dat)</source>
        <translation>All files (*.*);;Text files (*.txt *.dat)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>不能读取指定的文件</source>
        <translation>Cannot read the chosen file</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>文件长度：%1B</source>
        <translation>file length: %1B</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/app/mainwindow.ui" line="+9"/>
        <source>J3K&amp;J3LM(BLE) parameter setting sofeware  V3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>BASIC MENU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>REVERSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>0-N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1-R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+104"/>
        <source>SUB-TRIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+113"/>
        <source>END POINT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+225"/>
        <source>  L                R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CHANNEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH1：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH1:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH2：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH2:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH3：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH3:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH4：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH4:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH5：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH5:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH6：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH6:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH7：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH7:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH8：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;CH8:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>FAIL SAFE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+112"/>
        <source>PARAMENTER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>TX-ALARM：</source>
        <translation>TX-ALARM:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>STK-MODE：</source>
        <translation>STK-MODE:</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>VERSION：</source>
        <translation>VERSION:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>AUX-CH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>0:SwA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>1:SwB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>2:VrA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>3:VrB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>CH5:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>CH6:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>CH7:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>CH8:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+62"/>
        <source>4:NULL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>SETTING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OPEN/OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+256"/>
        <location line="+504"/>
        <location line="+105"/>
        <location line="+50"/>
        <location line="+115"/>
        <location filename="../src/app/mainwindow_serial.cpp" line="+180"/>
        <source>OPEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1024"/>
        <source>PortNum：</source>
        <translation>PortNum:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>DTR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>RTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>BaudR：</source>
        <translation>BaudR:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>2400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>9600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>14400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>19200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>38400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>56000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>57600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>115200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>DataB：</source>
        <translation>DataB:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>STOPB：</source>
        <translation>STOPB:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Parity：</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ODD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EVEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MARK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SPACE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Control：</source>
        <translation>Control:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+148"/>
        <location line="+270"/>
        <location line="+234"/>
        <location line="+105"/>
        <location line="+50"/>
        <location line="+115"/>
        <location filename="../src/app/mainwindow.cpp" line="+84"/>
        <location filename="../src/app/mainwindow_serial.cpp" line="-14"/>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-921"/>
        <source>HARDWARE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>XONXOFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DELAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+111"/>
        <source>ADVACNE MENU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>D/R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+372"/>
        <location line="+169"/>
        <location line="+117"/>
        <location line="+135"/>
        <source>MIX：</source>
        <translation>MIX:</translation>
    </message>
    <message>
        <location line="-774"/>
        <source>CH ：</source>
        <translation>CH:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>SW：</source>
        <translation>SW:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>RATE- UP ：</source>
        <translation>RATE-UP:</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+674"/>
        <location line="+14"/>
        <location line="+114"/>
        <location line="+14"/>
        <source>CH1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-815"/>
        <location line="+674"/>
        <location line="+14"/>
        <location line="+114"/>
        <location line="+14"/>
        <source>CH2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-815"/>
        <location line="+674"/>
        <location line="+14"/>
        <location line="+114"/>
        <location line="+14"/>
        <source>CH3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-815"/>
        <location line="+674"/>
        <location line="+14"/>
        <location line="+114"/>
        <location line="+14"/>
        <source>CH4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-810"/>
        <source>SWA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>RATE-DOWN：</source>
        <translation>RATE-DOWN:</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>ATTITUDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>CH：</source>
        <translation>CH:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ATTI1：</source>
        <translation>ATTI1:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ATTI2：</source>
        <translation>ATTI2:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ATTI3：</source>
        <translation>ATTI3:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ATTI4：</source>
        <translation>ATTI4:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ATTI5:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ATTI6:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+85"/>
        <location line="+455"/>
        <location line="+14"/>
        <location line="+114"/>
        <location line="+14"/>
        <source>CH5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-596"/>
        <location line="+455"/>
        <location line="+14"/>
        <location line="+114"/>
        <location line="+14"/>
        <source>CH6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-596"/>
        <location line="+455"/>
        <location line="+14"/>
        <location line="+114"/>
        <location line="+14"/>
        <source>CH7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-596"/>
        <location line="+455"/>
        <location line="+14"/>
        <location line="+114"/>
        <location line="+14"/>
        <source>CH8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-584"/>
        <source>（UP-UP）</source>
        <translation>(UP-UP)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>(UP-CT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>(UP-DN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>(DN-UP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>（DN-CT）</source>
        <translation>(DN-CT)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>（DN-DN）</source>
        <translation>(DN-DN)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ELEVON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>（L）</source>
        <translation>(L)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>（R）</source>
        <translation>(R)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>AILE1：</source>
        <translation>AILE1:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>AILE2：</source>
        <translation>AILE2:</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+139"/>
        <source>ELEV2：</source>
        <translation>ELEV2:</translation>
    </message>
    <message>
        <location line="-133"/>
        <location line="+127"/>
        <source>ELEV1：</source>
        <translation>ELEV1:</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>V-TAIL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>RUDD1：</source>
        <translation>RUDD1:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>RUDD2：</source>
        <translation>RUDD2:</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>PROG.MIX1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+139"/>
        <source>OFFSET：</source>
        <translation>OFFSET:</translation>
    </message>
    <message>
        <location line="-133"/>
        <location line="+121"/>
        <source>MAS：</source>
        <translation>MAS:</translation>
    </message>
    <message>
        <location line="-115"/>
        <location line="+121"/>
        <source>SLA：</source>
        <translation>SLA:</translation>
    </message>
    <message>
        <location line="-103"/>
        <location line="+115"/>
        <source>INH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-107"/>
        <location line="+127"/>
        <source>UP ：</source>
        <translation>UP:</translation>
    </message>
    <message>
        <location line="-121"/>
        <location line="+127"/>
        <source>DOWN：</source>
        <translation>DOWN:</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>PROG.MIX2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+132"/>
        <source>READ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>LOAD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UPDATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>SAVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="+49"/>
        <location line="+23"/>
        <location filename="../src/app/mainwindow_serial.cpp" line="+66"/>
        <location line="+84"/>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>文件格式不正确</source>
        <translation>The file is not a parameter file</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>保存数据</source>
        <translation>Save data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文本文件 (*.txt *.dat);;所有文件 (*.*)</source>
        <translation>Text files (*.txt *.dat);;All files (*.*)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>不能写入指定的文件</source>
        <translation>Cannot write the chosen file</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1已打开 %2 %3 %4 | </source>
        <translation>%1 open %2 %3 %4 | </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>串口未打开 | </source>
        <translation>Port closed | </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>发送：%1B | 接收：%2B</source>
        <translation>Sent: %1B | Received: %2B</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow_desktop.cpp" line="+27"/>
        <source>Read the transmitter&apos;s settings (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send the settings to the transmitter (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load settings from a file (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save the settings to a file (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+60"/>
        <location filename="../src/app/mainwindow_serial.cpp" line="+6"/>
        <source>VIRTUAL-TX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A transmitter simulated inside the editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow_serial.cpp" line="+71"/>
        <location line="+20"/>
        <source>ERROR</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+7"/>
        <location line="+13"/>
        <source>Can not open!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-13"/>
        <source>error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>请输入合适的数据，各个数据之间用空格分开。</source>
        <translation>Enter suitable data, the values separated by blanks.</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>串口连接已断开</source>
        <translation>The serial connection was lost</translation>
    </message>
    <message>
        <location filename="../src/app/portdescription.cpp" line="+17"/>
        <source>Description: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Maker: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB vendor:product: %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Serial number: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>j3k::TxLink</name>
    <message>
        <location filename="../src/link/txlink.cpp" line="+80"/>
        <source>Serial ports belong to the %1 group: add yourself with &quot;sudo usermod -aG %1 $USER&quot; and log in again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/app/main.cpp" line="+16"/>
        <source>Parameter editor for J3K and J3LM transmitters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show the editor in &lt;language&gt;: zh or en (default: from the system locale).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
