// The bytes of a freshly written Config.ini: the default set, key by key in the order it is written,
// grouped by section as the profile writer does. Shared by the native and the Wine tests.
#pragma once

namespace corvanta::testing {

constexpr const char* kDefaultConfigText =
    "[Config]\r\nAr=208\r\nAg=222\r\nAb=227\r\nNum=0\r\nTop=1\r\nSetP=C\r\nGetD=0\r\nGetC=0\r\nGetP=0\r\nFirst=0\r\n"
    "Alpha=75\r\nW=740\r\nH=514\r\nL=50\r\nT=50\r\nDp=3\r\nTC=12\r\nSZ=1000\r\n[Tips]\r\nTS=1\r\n[Preview]\r\nPre=1\r\n"
    "[Folder]\r\nAuto=1\r\n[Self]\r\nSwitch=1\r\n[SP]\r\nTST=1\r\n[Color]\r\nC1=2894892\r\nC2=13944764\r\n"
    "C3=15132390\r\nC4=10256239\r\nC5=65535\r\nC6=2894892\r\nC7=15790320\r\nC8=15790320\r\nC9=65280\r\n[SCK]\r\n"
    "sck0=\r\nsck1=Shift+D\r\nsck2=Shift+Q\r\nsck3=Shift+Alt+D\r\nsck4=Shift+Alt+Q\r\nsck5=Ctrl+Shift+Alt+A\r\n"
    "sck6=Ctrl+Shift+P\r\nsck7=Ctrl+Shift+K\r\nsck8=Shift+F\r\nsck9=Shift+R\r\nsck10=Shift+Alt+E\r\nsck11=Ctrl+E\r\n"
    "sck12=Alt+W\r\nsck13=Alt+Q\r\nsck14=Alt+Win+X\r\nsx0=-1\r\nsx1=30\r\nsx2=43\r\nsx3=186\r\nsx4=199\r\nsx5=261\r\n"
    "sx6=146\r\nsx7=141\r\nsx8=32\r\nsx9=44\r\nsx10=187\r\nsx11=5\r\nsx12=75\r\nsx13=69\r\nsx14=258\r\n"
    "[Follow]\r\nMove=1\r\nClient=0\r\n";

}  // namespace corvanta::testing
