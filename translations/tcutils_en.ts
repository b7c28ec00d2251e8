<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>1分钟</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>3分钟</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>5分钟</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10分钟</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>15分钟</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>30分钟</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>60分钟</source>
        <translation>60 min</translation>
    </message>
    <message>
        <source>日线</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>周线</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>月线</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>季线</source>
        <translation>Quarterly</translation>
    </message>
    <message>
        <source>半年</source>
        <translation>Half-yearly</translation>
    </message>
    <message>
        <source>年线</source>
        <translation>Yearly</translation>
    </message>
    <message>
        <source>多日线</source>
        <translation>Multi-day</translation>
    </message>
    <message>
        <source>多小时线</source>
        <translation>Multi-hour</translation>
    </message>
    <message>
        <source>多分钟线</source>
        <translation>Multi-minute</translation>
    </message>
    <message>
        <source>分笔线</source>
        <translation>Tick</translation>
    </message>
    <message>
        <source>均分</source>
        <translation>Equal</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>Bar-field code, stored by the client: the same in every language.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>G</source>
        <extracomment>Bar-field code, stored by the client: the same in every language.</extracomment>
        <translation>G</translation>
    </message>
    <message>
        <source>0</source>
        <extracomment>Bar-field code, stored by the client: the same in every language.</extracomment>
        <translation>0</translation>
    </message>
    <message>
        <source>1</source>
        <extracomment>Bar-field code, stored by the client: the same in every language.</extracomment>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <extracomment>Bar-field code, stored by the client: the same in every language.</extracomment>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <extracomment>Bar-field code, stored by the client: the same in every language.</extracomment>
        <translation>3</translation>
    </message>
    <message>
        <source>5</source>
        <extracomment>Bar-field code, stored by the client: the same in every language.</extracomment>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <extracomment>Bar-field code, stored by the client: the same in every language.</extracomment>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <extracomment>Bar-field code, stored by the client: the same in every language.</extracomment>
        <translation>7</translation>
    </message>
    <message>
        <source>跳过</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>开盘</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>最高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>最低</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>收盘</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>成交量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>成交额</source>
        <translation>Turnover</translation>
    </message>
    <message>
        <source>持仓量</source>
        <translation>Open interest</translation>
    </message>
</context>
</TS>
