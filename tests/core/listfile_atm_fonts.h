// The [Fonts] lines of the sample ATM.INI printed in Adobe Technical Note #5175, Appendix A
// (/work/shared/realworld/atm.ini-adobe-tn5175-appendixA.ini), in file order, CR LF ends.
#pragma once

inline const char* const AdobeSampleFonts =
    "Courier,BOLDITALIC=c:\\psfonts\\pfm\\COBO____.pfm,c:\\psfonts\\COBO____.pfb\r\n"
    "Courier,BOLD=c:\\psfonts\\pfm\\COB_____.pfm,c:\\psfonts\\COB_____.pfb\r\n"
    "Courier=c:\\psfonts\\pfm\\COM_____.pfm,c:\\psfonts\\COM_____.pfb\r\n"
    "Courier,ITALIC=c:\\psfonts\\pfm\\COO_____.pfm,c:\\psfonts\\COO_____.pfb\r\n"
    "Helvetica,BOLDITALIC=c:\\psfonts\\pfm\\HVBO____.pfm,c:\\psfonts\\HVBO____.pfb\r\n"
    "Helvetica,BOLD=c:\\psfonts\\pfm\\HVB_____.pfm,c:\\psfonts\\HVB_____.pfb\r\n"
    "Helvetica,ITALIC=c:\\psfonts\\pfm\\HVO_____.pfm,c:\\psfonts\\HVO_____.pfb\r\n"
    "Helvetica=c:\\psfonts\\pfm\\HV______.pfm,c:\\psfonts\\HV______.pfb\r\n"
    "Symbol=c:\\psfonts\\pfm\\SY______.pfm,c:\\psfonts\\SY______.pfb\r\n"
    "Times,BOLDITALIC=c:\\psfonts\\pfm\\TIBI____.pfm,c:\\psfonts\\TIBI____.pfb\r\n"
    "Times,BOLD=c:\\psfonts\\pfm\\TIB_____.pfm,c:\\psfonts\\TIB_____.pfb\r\n"
    "Times,ITALIC=c:\\psfonts\\pfm\\TII_____.pfm,c:\\psfonts\\TII_____.pfb\r\n"
    "Times=c:\\psfonts\\pfm\\TIR_____.pfm,c:\\psfonts\\TIR_____.pfb\r\n"
    "TektoMM_100 LT 250 CN=c:\\psfonts\\pfm\\ZJRG_000.pfm,c:\\psfonts\\ZJRG_000.pss\r\n"
    "TektoMM_100 LT 564 NO=c:\\psfonts\\pfm\\ZJRG_001.pfm,c:\\psfonts\\ZJRG_001.pss\r\n"
    "TektoMM_100 LT 850 EX=c:\\psfonts\\pfm\\ZJRG_002.pfm,c:\\psfonts\\ZJRG_002.pss\r\n"
    "TektoMM_240 RG 250 CN=c:\\psfonts\\pfm\\ZJRG_003.pfm,c:\\psfonts\\ZJRG_003.pss\r\n"
    "TektoMM_240 RG 564 NO=c:\\psfonts\\pfm\\ZJRG_004.pfm,c:\\psfonts\\ZJRG_004.pss\r\n"
    "TektoMM_240 RG 850 EX=c:\\psfonts\\pfm\\ZJRG_005.pfm,c:\\psfonts\\ZJRG_005.pss\r\n"
    "TektoMM_503 BD 250 CN=c:\\psfonts\\pfm\\ZJRG_006.pfm,c:\\psfonts\\ZJRG_006.pss\r\n"
    "TektoMM_503 BD 488 NO=c:\\psfonts\\pfm\\ZJRG_007.pfm,c:\\psfonts\\ZJRG_007.pss\r\n"
    "TektoMM_503 BD 850 EX=c:\\psfonts\\pfm\\ZJRG_008.pfm,c:\\psfonts\\ZJRG_008.pss\r\n"
    "TektoMM=c:\\psfonts\\pfm\\ZJRG____.pfm,c:\\psfonts\\ZJRG____.pfb\r\n"
    "?$BJ?@.L@D+?(B "
    "W5=C:\\PSFONTS\\HEMIW5\\METRICS\\90MS_H.pfm,C:\\PSFONTS\\HEMIW5\\FONTS\\HEMIW5.CID\r\n"
    "@?$BJ?@.L@D+?(B "
    "W5=C:\\PSFONTS\\HEMIW5\\METRICS\\90MS_V.pfm,C:\\PSFONTS\\HEMIW5\\FONTS\\|HEMIW5.CID\r\n";
