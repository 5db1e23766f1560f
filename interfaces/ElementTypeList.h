#pragma once
// Every element type, one line each, in catalogue order. The enumeration
// (enElementType.h) and the type table (elements/ElementTypeTable.h) are both
// generated from this list, so adding a type is adding its line here.
//
// X(name, value, family, title, tool, paletteRank, keyboardTool, operandRows, picture, button, convertTool, switchTool)
//   family        the family whose class implements the type; a type's hundreds
//                 block names it, except where a line says otherwise (1268 and
//                 the 18xx types belong to the second utility set)
//   title         the display title as stored (a few carry blanks the readers trim)
//   tool          the toolbar tool that inserts the type; empty: none
//   paletteRank   the tool's place among the element tools (dispatch and palette
//                 order); numbers need not be consecutive
//   keyboardTool  whether the tool inserts the type from the keyboard
//   operandRows   how many operand rows the element stands on
//   picture       the symbol or box title drawn for the type (text or resource bitmap name)
//   button        the short text of the studio's palette button; empty: the title
//   convertTool   the tool that turns a contact or coil into this type
//   switchTool    the special tool that switches a box of the family to this type
//
// Function-block methods use eET_FunctionBlockFirst to eET_FunctionBlockLast.

// clang-format off
#define LDR_ELEMENT_TYPES(X) \
  X(eET_Undefined, 0, eEFT_Undefined, "", "", 0, false, 2, "", "", "", "") \
  X(eET_HorzLine, 100, eEFT_LineElements, "", "", 0, false, 2, "", "", "", "") \
  X(eET_VertLine, 101, eEFT_LineElements, "", "", 0, false, 2, "", "", "", "") \
  X(eET_LdrLine, 102, eEFT_LineElements, "", "", 0, false, 2, "", "", "", "") \
  X(eET_DirectContact, 200, eEFT_SimpleElements, "Direct Contact", "ID_LDirectContact", 1, true, 1, "| |", "-| |-", "ID_DirectContact", "") \
  X(eET_InvertedContact, 201, eEFT_SimpleElements, "Inverted Contact", "ID_LInvertedContact", 2, true, 1, "|/|", "-|/|-", "ID_InvertedContact", "") \
  X(eET_RiseContact, 202, eEFT_SimpleElements, "Positive Transition Contact", "ID_LPositiveContact", 3, true, 1, "|P|", "-|P|-", "ID_RiseContact", "") \
  X(eET_FallContact, 203, eEFT_SimpleElements, "Negative Transition Contact", "ID_LNagativeContact", 4, true, 1, "|N|", "-|N|-", "ID_FallContact", "") \
  X(eET_DirectCoil, 204, eEFT_SimpleElements, "Direct Coil", "ID_LDirectCoil", 5, true, 1, "( )", "-( )-", "ID_DirectCoil", "") \
  X(eET_InvertedCoil, 205, eEFT_SimpleElements, "Inverted Coil", "ID_LInvertedCoil", 6, true, 1, "(/)", "-(/)-", "ID_InvertedCoil", "") \
  X(eET_SetCoil, 206, eEFT_SimpleElements, "SET Coil", "ID_LSETCoil", 7, true, 1, "(S)", "-(S)-", "ID_SETCoil", "") \
  X(eET_ResetCoil, 207, eEFT_SimpleElements, "RESET Coil", "ID_LRESETCoil", 8, true, 1, "(R)", "-(R)-", "ID_RESETCoil", "") \
  X(eET_DirectSoftKey, 208, eEFT_SimpleElements, "", "ID_DirectSoftKey", 10, false, 1, "[ ]", "-[SK]-", "", "") \
  X(eET_InvertedSoftKey, 209, eEFT_SimpleElements, "", "ID_InvertedSoftKey", 11, false, 1, "[/]", "-[/SK]-", "", "") \
  X(eET_RiseSoftKey, 210, eEFT_SimpleElements, "", "ID_RaiseSoftKey", 12, false, 1, "[P]", "-[SK+]-", "", "") \
  X(eET_FallSoftKey, 211, eEFT_SimpleElements, "", "ID_FallSoftKey", 13, false, 1, "[N]", "-[SK-]-", "", "") \
  X(eET_ToggleCoil, 212, eEFT_SimpleElements, "TOGGLE Coil", "ID_LToggleCoil", 9, true, 1, "(X)", "-(T)-", "ID_ToggleCoil", "") \
  X(eET_StoreZeroNumeric, 213, eEFT_SimpleElements, "RESET Numeric", "ID_ResetNumeric", 252, true, 1, "[R]", "-(RST)-", "", "") \
  X(eET_GreaterThan, 300, eEFT_CompareElements, "Greater Than", "ID_LGraterThen", 14, true, 2, "A > B", "", "", "ID_GreaterThan") \
  X(eET_GreaterEqual, 301, eEFT_CompareElements, "Greater Equal", "ID_LGraterEqual", 15, true, 2, "A >= B", "", "", "ID_GreaterEqual") \
  X(eET_Equal, 302, eEFT_CompareElements, "Equal", "ID_LEqual", 16, true, 2, "A = B", "", "", "ID_Equal") \
  X(eET_NotEqual, 303, eEFT_CompareElements, "Not Equal", "ID_LNotEqual", 17, true, 2, "A <> B", "", "", "ID_NotEqual") \
  X(eET_LessEqual, 304, eEFT_CompareElements, "Less Equal", "ID_LLessEqual", 18, true, 2, "A <= B", "", "", "ID_LessEqual") \
  X(eET_LessThan, 305, eEFT_CompareElements, "Less Than", "ID_LLessThen", 19, true, 2, "A < B", "", "", "ID_LessThan") \
  X(eET_Sub, 400, eEFT_2x1Elements, "SUB", "ID_LSUB", 21, true, 2, "SUB", "", "", "ID_Sub") \
  X(eET_Div, 401, eEFT_2x1Elements, "DIV", "ID_LDIV", 22, true, 2, "DIV", "", "", "ID_Div") \
  X(eET_BitWiseAND, 402, eEFT_2x1Elements, "AND", "ID_LAND", 26, false, 2, "AND", "", "", "ID_And") \
  X(eET_BitWiseOR, 403, eEFT_2x1Elements, "OR", "ID_LOR", 27, false, 2, "OR", "", "", "ID_Or") \
  X(eET_BitWiseXOR, 404, eEFT_2x1Elements, "XOR", "ID_LXOR", 28, false, 2, "XOR", "", "", "ID_Xor") \
  X(eET_Add, 405, eEFT_2x1Elements, "ADD", "ID_LADD", 24, true, 2, "ADD", "", "", "ID_Add") \
  X(eET_Mul, 406, eEFT_2x1Elements, "MUL", "ID_LMUL", 25, true, 2, "MUL", "", "", "ID_Mul") \
  X(eET_MOD, 407, eEFT_2x1Elements, "MOD", "ID_LMOD", 23, true, 2, "MOD", "", "", "ID_MOD") \
  X(eET_Add2x1, 500, eEFT_Nx1Elements, "", "", 0, false, 2, "", "", "", "") \
  X(eET_Add8x1, 506, eEFT_Nx1Elements, "ADD 8x1", "ID_Add8x1", 46, false, 8, "ADD", "", "", "") \
  X(eET_Add3x1, 501, eEFT_Nx1Elements, "ADD 3x1", "ID_Add3x1", 41, false, 3, "ADD", "", "", "") \
  X(eET_Add4x1, 502, eEFT_Nx1Elements, "ADD 4x1", "ID_Add4x1", 42, false, 4, "ADD", "", "", "") \
  X(eET_Add5x1, 503, eEFT_Nx1Elements, "ADD 5x1", "ID_Add5x1", 43, false, 5, "ADD", "", "", "") \
  X(eET_Add6x1, 504, eEFT_Nx1Elements, "ADD 6x1", "ID_Add6x1", 44, false, 6, "ADD", "", "", "") \
  X(eET_Add7x1, 505, eEFT_Nx1Elements, "ADD 7x1", "ID_Add7x1", 45, false, 7, "ADD", "", "", "") \
  X(eET_Mul2x1, 510, eEFT_Nx1Elements, "", "", 0, false, 2, "", "", "", "") \
  X(eET_Mul3x1, 511, eEFT_Nx1Elements, "MUL 3x1", "ID_Mul3x1", 47, false, 3, "MUL", "", "", "") \
  X(eET_Mul4x1, 512, eEFT_Nx1Elements, "MUL 4x1", "ID_Mul4x1", 48, false, 4, "MUL", "", "", "") \
  X(eET_Mul5x1, 513, eEFT_Nx1Elements, "MUL 5x1", "ID_Mul5x1", 49, false, 5, "MUL", "", "", "") \
  X(eET_Mul6x1, 514, eEFT_Nx1Elements, "MUL 6x1", "ID_Mul6x1", 50, false, 6, "MUL", "", "", "") \
  X(eET_Mul7x1, 515, eEFT_Nx1Elements, "MUL 7x1", "ID_Mul7x1", 51, false, 7, "MUL", "", "", "") \
  X(eET_Mul8x1, 516, eEFT_Nx1Elements, "MUL 8x1", "ID_Mul8x1", 52, false, 8, "MUL", "", "", "") \
  X(eET_Sub2x1, 520, eEFT_Nx1Elements, "", "", 0, false, 2, "", "", "", "") \
  X(eET_Sub3x1, 521, eEFT_Nx1Elements, "SUB 3x1", "ID_Sub3x1", 29, false, 3, "SUB", "", "", "") \
  X(eET_Sub4x1, 522, eEFT_Nx1Elements, "SUB 4x1", "ID_Sub4x1", 30, false, 4, "SUB", "", "", "") \
  X(eET_Sub5x1, 523, eEFT_Nx1Elements, "SUB 5x1", "ID_Sub5x1", 31, false, 5, "SUB", "", "", "") \
  X(eET_Sub6x1, 524, eEFT_Nx1Elements, "SUB 6x1", "ID_Sub6x1", 32, false, 6, "SUB", "", "", "") \
  X(eET_Sub7x1, 525, eEFT_Nx1Elements, "SUB 7x1", "ID_Sub7x1", 33, false, 7, "SUB", "", "", "") \
  X(eET_Sub8x1, 526, eEFT_Nx1Elements, "SUB 8x1", "ID_Sub8x1", 34, false, 8, "SUB", "", "", "") \
  X(eET_Div2x1, 530, eEFT_Nx1Elements, "", "", 0, false, 2, "", "", "", "") \
  X(eET_Div3x1, 531, eEFT_Nx1Elements, "DIV 3x1", "ID_Div3x1", 35, false, 3, "DIV", "", "", "") \
  X(eET_Div4x1, 532, eEFT_Nx1Elements, "DIV 4x1", "ID_Div4x1", 36, false, 4, "DIV", "", "", "") \
  X(eET_Div5x1, 533, eEFT_Nx1Elements, "DIV 5x1", "ID_Div5x1", 37, false, 5, "DIV", "", "", "") \
  X(eET_Div6x1, 534, eEFT_Nx1Elements, "DIV 6x1", "ID_Div6x1", 38, false, 6, "DIV", "", "", "") \
  X(eET_Div7x1, 535, eEFT_Nx1Elements, "DIV 7x1", "ID_Div7x1", 39, false, 7, "DIV", "", "", "") \
  X(eET_Div8x1, 536, eEFT_Nx1Elements, "DIV 8x1", "ID_Div8x1", 40, false, 8, "DIV", "", "", "") \
  X(eET_JumpToLabel, 600, eEFT_JumpElements, "Jump To Label", "ID_JumpToLabel", 55, true, 1, "JUMP_TO_LABEL", "", "", "") \
  X(eET_CallFunction, 601, eEFT_JumpElements, "CALL Subroutine", "ID_CallFunction", 57, true, 1, "JUMP_TO_SUB", "", "", "") \
  X(eET_FunctionReturn, 602, eEFT_JumpElements, "Subroutine: RET", "ID_FunctionReturn", 58, true, 1, "RETURN_FROM_JUMP", "", "", "") \
  X(eET_JumpToHmiPage, 603, eEFT_JumpElements, "Load HMI Page", "ID_JumpToHmiPage", 56, true, 1, "JUMP_TO_PAGE", "", "", "") \
  X(eET_DirTime, 700, eEFT_DirectClocks, "HOUR", "ID_LDirectTime", 59, false, 2, "HOUR", "", "", "") \
  X(eET_DirDayOfTheWeek, 701, eEFT_DirectClocks, "DAY OF WEEK", "ID_LDirectDayOfWeek", 60, false, 2, "DAY OF WEEK", "", "", "") \
  X(eET_DirDayOfTheMonth, 702, eEFT_DirectClocks, "DAY OF MONTH", "ID_LDirectDayOfMonth", 61, false, 2, "DAY OF MONTH", "", "", "") \
  X(eET_DirMonth, 703, eEFT_DirectClocks, "MONTH", "ID_LDirectMonth", 62, false, 2, "MONTH", "", "", "") \
  X(eET_DirYear, 704, eEFT_DirectClocks, "YEAR", "ID_LDirectYear", 63, false, 2, "YEAR", "", "", "") \
  X(eET_InDirTime, 800, eEFT_InDirectClocks, "HOUR (Indirect)", "ID_LInDirectTime", 64, false, 2, "HOUR", "", "", "") \
  X(eET_InDirDayOfTheWeek, 801, eEFT_InDirectClocks, "DAY OF WEEK (Indirect)", "ID_LInDirectDayOfWeek", 65, false, 2, "DAY OF WEEK", "", "", "") \
  X(eET_InDirDayOfTheMonth, 802, eEFT_InDirectClocks, "DAY OF MONTH (Indirect)", "ID_LInDirectDayOfMonth", 66, false, 2, "DAY OF MONTH", "", "", "") \
  X(eET_InDirMonth, 803, eEFT_InDirectClocks, "MONTH (Indirect)", "ID_LInDirectMonth", 67, false, 2, "MONTH", "", "", "") \
  X(eET_InDirYear, 804, eEFT_InDirectClocks, "YEAR (Indirect)", "ID_LInDirectYear", 68, false, 2, "YEAR", "", "", "") \
  X(eET_StoreDirect, 900, eEFT_StoreElements, " STORE ", "ID_LStoreDirect", 69, true, 1, " STORE ", "", "", "ID_StoreDirect") \
  X(eET_StoreIndirectMI, 901, eEFT_StoreElements, "STI [MI]", "", 0, false, 1, " STORE ", "", "", "ID_StoreIndirectMI") \
  X(eET_StoreIndirectSI, 902, eEFT_StoreElements, "STI [SI]", "", 0, false, 1, " STORE ", "", "", "ID_StoreIndirectSI") \
  X(eET_StoreIndirectML, 903, eEFT_StoreElements, "STI [ML]", "", 0, false, 1, " STORE ", "", "", "ID_StoreIndirectML") \
  X(eET_StoreIndirectSL, 904, eEFT_StoreElements, "STI [SL]", "", 0, false, 1, " STORE ", "", "", "ID_StoreIndirectSL") \
  X(eET_StoreIndirectDW, 905, eEFT_StoreElements, "STI [DW]", "", 0, false, 1, " STORE ", "", "", "ID_StoreIndirectDW") \
  X(eET_StoreIndirectSDW, 906, eEFT_StoreElements, "STI [SDW]", "", 0, false, 1, " STORE ", "", "", "ID_StoreIndirectSDW") \
  X(eET_LoadIndirectMI, 1000, eEFT_LoadElements, "LDI [MI]", "ID_LLoadIndirectMI", 76, false, 1, "LDI [MI]", "", "", "ID_LoadIndirectMI") \
  X(eET_LoadIndirectSI, 1001, eEFT_LoadElements, "LDI [SI]", "ID_LLoadIndirectSI", 77, false, 1, "LDI [SI]", "", "", "ID_LoadIndirectSI") \
  X(eET_LoadIndirectML, 1002, eEFT_LoadElements, "LDI [ML]", "ID_LoadIndirectML", 78, false, 1, "LDI [ML]", "", "", "ID_LoadIndirectML") \
  X(eET_LoadIndirectSL, 1003, eEFT_LoadElements, "LDI [SL]", "ID_LoadIndirectSL", 79, false, 1, "LDI [SL]", "", "", "ID_LoadIndirectSL") \
  X(eET_LoadIndirectDW, 1004, eEFT_LoadElements, "LDI [DW]", "ID_LoadIndirectDW", 80, false, 1, "LDI [DW]", "", "", "ID_LoadIndirectDW") \
  X(eET_LoadIndirectSDW, 1005, eEFT_LoadElements, "LDI [SDW]", "ID_LoadIndirectSDW", 81, false, 1, "LDI [SDW]", "", "", "ID_LoadIndirectSDW") \
  X(eET_StoreTimerPreset, 1100, eEFT_StoreLoadTimerElements, "ST TP", "ID_StoreTimerPreset", 82, false, 1, "", "", "", "") \
  X(eET_LoadTimerPreset, 1101, eEFT_StoreLoadTimerElements, "LD TP", "ID_LoadTimerPreset", 83, false, 1, "", "", "", "") \
  X(eET_StoreTimerCurrent, 1102, eEFT_StoreLoadTimerElements, "ST TC", "ID_StoreTimerCurrent", 84, false, 1, "", "", "", "") \
  X(eET_LoadTimerCurrent, 1103, eEFT_StoreLoadTimerElements, "LD TC", "ID_LoadTimerCurrent", 85, false, 1, "", "", "", "") \
  X(eET_UtShiftRight, 1200, eEFT_UtilElements, "Shift Right", "ID_ShiftRight", 87, false, 2, "", "", "", "") \
  X(eET_UtShiftLeft, 1201, eEFT_UtilElements, "Shift Left", "ID_ShiftLeft", 86, false, 2, "", "", "", "") \
  X(eET_UtRotateRight, 1202, eEFT_UtilElements, "Rotate Right", "ID_RotateRight", 89, false, 2, "", "", "", "") \
  X(eET_UtRotateLeft, 1203, eEFT_UtilElements, "Rotate Left", "ID_RotateLeft", 88, false, 2, "", "", "", "") \
  X(eET_UtFactor, 1204, eEFT_UtilElements, "Factor", "ID_Factor", 90, false, 2, "", "", "", "") \
  X(eET_UtFillDirect, 1205, eEFT_UtilElements, "Vector Fill", "ID_LFillDirect", 109, false, 2, "", "", "", "") \
  X(eET_UtBitToNumeric, 1206, eEFT_UtilElements, "BIT->NUM", "ID_BitsToNum", 122, false, 2, "", "", "", "") \
  X(eET_UtNumericToBit, 1207, eEFT_UtilElements, "NUM->BIT", "ID_NumToBits", 121, false, 2, "", "", "", "") \
  X(eET_UtPowerXY, 1208, eEFT_UtilElements, "Power", "ID_PowerXY", 91, false, 2, "", "", "", "") \
  X(eET_UtSQRT, 1209, eEFT_UtilElements, "SQRT", "ID_SQRT", 92, false, 2, "", "", "", "") \
  X(eET_UtGetMin, 1210, eEFT_UtilElements, "Get Min", "ID_GetMin", 114, false, 2, "", "", "", "") \
  X(eET_UtGetMax, 1211, eEFT_UtilElements, "Get Max", "ID_GetMax", 115, false, 2, "", "", "", "") \
  X(eET_UtFindBit, 1212, eEFT_UtilElements, "Find", "ID_FindBit", 116, false, 2, "", "", "", "") \
  X(eET_UtVectCopy, 1213, eEFT_UtilElements, "Vector Copy", "ID_VectCopy", 123, false, 2, "", "", "", "") \
  X(eET_UtBitTest, 1214, eEFT_UtilElements, "Test Bit", "ID_BitTest", 150, false, 2, "", "", "", "") \
  X(eET_UtBitSet, 1215, eEFT_UtilElements, "Set Bit", "ID_BitSET", 151, false, 2, "", "", "", "") \
  X(eET_UtBitReset, 1216, eEFT_UtilElements, "Reset Bit", "ID_BitRESET", 153, false, 2, "", "", "", "") \
  X(eET_UtGetBit, 1217, eEFT_UtilElements, "Vector Load", "ID_GetBit", 154, false, 2, "", "", "", "") \
  X(eET_UtPutBit, 1218, eEFT_UtilElements, "Vector Store", "ID_PutBit", 156, false, 2, "", "", "", "") \
  X(eET_UtVectComp, 1219, eEFT_UtilElements, "Vector Compare", "ID_VectComp", 127, false, 2, "", "", "", "") \
  X(eET_UtOffsetVectFill, 1220, eEFT_UtilElements, "Vector Fill (with offset)", "ID_OffsetFillVect", 128, false, 2, "", "", "", "") \
  X(eET_UtOffsetVectCopy, 1221, eEFT_UtilElements, "Vector Copy (with offset)", "ID_OffsetCopyVect", 129, false, 2, "", "", "", "") \
  X(eET_UtOffsetVectComp, 1222, eEFT_UtilElements, "Vector Compare (with offset)", "ID_OffsetCompVect", 130, false, 2, "", "", "", "") \
  X(eET_UtSimpleDBRead, 1223, eEFT_UtilElements, "DT READ (Direct)", "ID_SimpleDBRead", 148, false, 2, "", "", "", "") \
  X(eET_UtSimpleDBWrite, 1224, eEFT_UtilElements, "DT WRITE (Direct)", "ID_SimpleDBWrite", 149, false, 2, "", "", "", "") \
  X(eET_UtHMIPageLoaded, 1225, eEFT_UtilElements, "DISPLAY LOADED", "ID_HMIPageLoaded", 117, false, 2, "", "", "", "") \
  X(eET_UtMoveMemory, 1226, eEFT_UtilElements, "Copy Memory", "ID_MoveMemory", 132, false, 2, "", "", "", "") \
  X(eET_UtNum2Str, 1227, eEFT_UtilElements, "Num To ASCII", "ID_Num2Str", 133, false, 2, "", "", "", "") \
  X(eET_UtDrawPixel, 1228, eEFT_UtilElements, "Draw Pixel", "ID_DrawPixel", 110, false, 2, "", "", "", "") \
  X(eET_UtDrawLine, 1229, eEFT_UtilElements, "Draw Line", "ID_DrawLine", 111, false, 2, "", "", "", "") \
  X(eET_UtFlipFlopRS, 1230, eEFT_UtilElements, "RS FLIP", "ID_FlipFlopRS", 140, false, 2, "", "", "", "") \
  X(eET_UtFlipFlopSR, 1231, eEFT_UtilElements, "SR FLIP", "ID_FlipFlopSR", 141, false, 2, "", "", "", "") \
  X(eET_UtRTC2Str, 1232, eEFT_UtilElements, "RTC To ASCII", "ID_RTC2Str", 138, false, 2, "", "", "", "") \
  X(eET_UtVecShift, 1233, eEFT_UtilElements, "Vector Shift", "ID_VectShift", 124, false, 2, "", "", "", "") \
  X(eET_UtLoadTimerBit, 1234, eEFT_UtilElements, "Load Timer scan bit", "ID_LoadTimerBit", 155, false, 2, "", "", "", "") \
  X(eET_UtReadInput, 1235, eEFT_UtilElements, "Read Input", "ID_ReadInput", 142, false, 2, "", "", "", "") \
  X(eET_UtWriteOutput, 1236, eEFT_UtilElements, "Write Output", "ID_WriteOutput", 147, false, 2, "", "", "", "") \
  X(eET_UtReadHSI, 1237, eEFT_UtilElements, "Update High Speed Input", "ID_ReadHSI", 143, false, 2, "", "", "", "") \
  X(eET_UtIP2Str, 1238, eEFT_UtilElements, "IP To ASCII", "ID_IP2Str", 135, false, 2, "", "", "", "") \
  X(eET_UtClearRect, 1239, eEFT_UtilElements, "Clear Rectangle", "ID_ClearRect", 113, false, 2, "", "", "", "") \
  X(eET_UtTime2Str, 1240, eEFT_UtilElements, "Time To ASCII", "ID_Time2Str", 139, false, 2, "", "", "", "") \
  X(eET_UtNumToBcd, 1241, eEFT_UtilElements, "NUM to BCD", "ID_NumToBcd", 93, false, 2, "", "", "", "") \
  X(eET_UtBcdToNum, 1242, eEFT_UtilElements, "BCD to NUM", "ID_BcdToNum", 94, false, 2, "", "", "", "") \
  X(eET_UtRtcToUtc, 1243, eEFT_UtilElements, "RTC to UTC", "ID_RtcToUtc", 107, false, 2, "", "", "", "") \
  X(eET_UtUtcToRtc, 1244, eEFT_UtilElements, "UTC to RTC", "ID_UtcToRtc", 108, false, 2, "", "", "", "") \
  X(eET_UtWriteAnalogOutput, 1245, eEFT_UtilElements, "Write Analog Output", "ID_WriteAnalogOutput", 146, false, 2, "", "", "", "") \
  X(eET_UtStr2Num, 1246, eEFT_UtilElements, "ASCII To Num", "ID_Str2Num", 134, false, 2, "", "", "", "") \
  X(eET_UtSwapBytes, 1247, eEFT_UtilElements, "Swap Bytes", "ID_SwapBytes", 125, false, 2, "", "", "", "") \
  X(eET_UtRloToBit, 1248, eEFT_UtilElements, "RLO to Bit", "ID_RloToBit", 152, false, 2, "", "", "", "") \
  X(eET_UtVecSort, 1249, eEFT_UtilElements, "Vector Sort", "ID_VectSort", 126, false, 2, "", "", "", "") \
  X(eET_UtStringLength, 1250, eEFT_UtilElements, "String Length", "ID_StringLength", 136, false, 2, "", "", "", "") \
  X(eET_UtIsHMILastDisplayed, 1251, eEFT_UtilElements, "IS LAST DS", "ID_IsHmiLastDisplayed", 118, false, 2, "", "", "", "") \
  X(eET_UtSetStorage, 1252, eEFT_UtilElements, "Set String Library", "ID_SetStorage", 144, false, 2, "", "", "", "") \
  X(eET_UtStorageStrToMIsVec, 1253, eEFT_UtilElements, "Library String To ASCII", "ID_StrToVector", 145, false, 2, "", "", "", "") \
  X(eET_UtToggleBitInNum, 1254, eEFT_UtilElements, "Toggle # Bit", "ID_ToggleNumBit", 239, false, 2, "", "", "", "") \
  X(eET_UtToggleBitInBitsVec, 1255, eEFT_UtilElements, "Toggle Bit", "ID_ToggleVecBit", 240, false, 2, "", "", "", "") \
  X(eET_UtCountInRange, 1256, eEFT_UtilElements, "Step In Range", "ID_StepInRange", 241, false, 2, "", "", "", "") \
  X(eET_UtStrRemove, 1257, eEFT_UtilElements, "Remove from String", "ID_StrRemove", 247, false, 2, "", "", "", "") \
  X(eET_UtStrInsert, 1258, eEFT_UtilElements, "Insert into String", "ID_StrInsert", 248, false, 2, "", "", "", "") \
  X(eET_UtStrLeft, 1259, eEFT_UtilElements, "String Left", "ID_StrLeft", 243, false, 2, "", "", "", "") \
  X(eET_UtStrRight, 1260, eEFT_UtilElements, "String Right", "ID_StrRight", 244, false, 2, "", "", "", "") \
  X(eET_UtStrMID, 1261, eEFT_UtilElements, "String MID", "ID_StrMID", 245, false, 2, "", "", "", "") \
  X(eET_UtStrFindInStr, 1262, eEFT_UtilElements, "String Find", "ID_FindStrInStr", 249, false, 2, "", "", "", "") \
  X(eET_UtSetPlcNetworkID, 1263, eEFT_UtilElements, "Set PLC Net ID", "ID_SetPlcNetworkID", 242, false, 2, "", "", "", "") \
  X(eET_UtTimerToVecOfRegsAsStr, 1264, eEFT_UtilElements, "Timer to ASCII", "ID_TimerToStr", 246, false, 2, "", "", "", "") \
  X(eET_UtDrawColorLine, 1265, eEFT_UtilElements, "Draw Line", "ID_DrawColorLine", 112, false, 2, "", "", "", "") \
  X(eET_UtTimerCopy, 1266, eEFT_UtilElements, "", "", 0, false, 2, "", "", "", "") \
  X(eET_UtStrReplace, 1267, eEFT_UtilElements, "Replace in String", "ID_StrReplace", 251, false, 2, "", "", "", "") \
  X(eET_UtStartTrendToSD, 1268, eEFT_UtilEx2Elements, "Start Saving Trend to SD", "ID_StartTrendToSD", 256, false, 2, "", "", "", "") \
  X(eET_UtStopTrendToSD, 1269, eEFT_UtilElements, "Stop Saving Trend to SD", "ID_StopTrendToSD", 257, false, 2, "", "", "", "") \
  X(eET_UtExLinear, 1300, eEFT_UtilExElements, "LINEAR", "ID_Linear", 157, false, 2, "", "", "", "") \
  X(eET_UtExPID, 1301, eEFT_UtilExElements, "PID", "ID_PID", 159, false, 2, "", "", "", "") \
  X(eET_UtExVectLinear, 1303, eEFT_UtilExElements, "VECT. LINEAR", "ID_VectLinear", 158, false, 2, "", "", "", "") \
  X(eET_UtEx1ComInit, 1400, eEFT_UtilEx1Elements, "COM INIT", "ID_ComInit", 160, false, 2, "", "", "", "") \
  X(eET_UtEx1PLCDBReadLine, 1402, eEFT_UtilEx1Elements, "DT READ ROW", "ID_DB_Read_Line", 161, false, 2, "", "", "", "") \
  X(eET_UtEx1PLCDBWriteLine, 1403, eEFT_UtilEx1Elements, "DT WRITE ROW", "ID_DB_Write_Line", 162, false, 2, "", "", "", "") \
  X(eET_UtEx1LoadLastHMIPage, 1404, eEFT_UtilEx1Elements, "LOAD LAST DISPLAY", "ID_LoadLastHMIPage", 119, false, 2, "", "", "", "") \
  X(eET_UtEx1ETH_ComInit, 1405, eEFT_UtilEx1Elements, "TCP/IP CARD INIT", "ID_ETH_ComInit", 189, false, 2, "", "", "", "") \
  X(eET_UtEx1ETH_SocketInit, 1406, eEFT_UtilEx1Elements, "TCP/IP SOCKET INIT", "ID_ETH_SocketInit", 190, false, 2, "", "", "", "") \
  X(eET_UtEx1ETH_TcpConnect, 1407, eEFT_UtilEx1Elements, "TCP/IP TCP CONNECT", "ID_ETH_TcpConnect", 191, false, 2, "", "", "", "") \
  X(eET_UtEx1ETH_TcpClose, 1408, eEFT_UtilEx1Elements, "TCP/IP TCP CLOSE", "ID_ETH_TcpClose", 192, false, 2, "", "", "", "") \
  X(eET_UtEx1_Dial, 1409, eEFT_UtilEx1Elements, "COM DIAL", "ID_ComDial", 226, false, 2, "", "", "", "") \
  X(eET_UtEx1_Hangup, 1410, eEFT_UtilEx1Elements, "COM HANG UP", "ID_ComHangUp", 227, false, 2, "", "", "", "") \
  X(eET_UtEx1ETH_GetLeds, 1411, eEFT_UtilEx1Elements, "TCP/IP GET LEDS", "ID_ETH_GetLeds", 195, false, 2, "", "", "", "") \
  X(eET_UtEx1ETH_RestoreUDP, 1412, eEFT_UtilEx1Elements, "TCP/IP INIT UDP", "", 0, false, 2, "", "", "", "") \
  X(eET_UtEx1PLCDBClearTable, 1413, eEFT_UtilEx1Elements, "DT CLEAR", "ID_DB_Clear_Table", 165, false, 2, "", "", "", "") \
  X(eET_UtEx1InvertVars, 1414, eEFT_UtilEx1Elements, "Inverse Vars", "ID_InvertVars", 233, false, 2, "", "", "", "") \
  X(eET_UtEx1ForceOnline, 1415, eEFT_UtilEx1Elements, "On Line Point", "ID_ForceOnline", 228, false, 2, "", "", "", "") \
  X(eET_UtEx1HideVars, 1416, eEFT_UtilEx1Elements, "Hide Vars", "ID_HideVars", 234, false, 2, "", "", "", "") \
  X(eET_UtEx1SetPlcName, 1417, eEFT_UtilEx1Elements, "Set PLC Name", "ID_SetPlcName", 235, false, 2, "", "", "", "") \
  X(eET_UtEx1StartInterval, 1418, eEFT_UtilEx1Elements, "Start Interval", "ID_StartInterval", 229, false, 2, "", "", "", "") \
  X(eET_UtEx1PLCDBReadColumn, 1419, eEFT_UtilEx1Elements, "DT READ COL", "ID_DB_Read_Column", 163, false, 2, "", "", "", "") \
  X(eET_UtEx1PLCDBWriteColumn, 1420, eEFT_UtilEx1Elements, "DT WRITE COL", "ID_DB_Write_Column", 164, false, 2, "", "", "", "") \
  X(eET_UtEx1ShiftTab, 1421, eEFT_UtilEx1Elements, "Previous Entry Variable", "ID_ShiftTab", 230, false, 2, "", "", "", "") \
  X(eET_UtEx1_SetSDPasssword, 1422, eEFT_UtilEx1Elements, "Set SD Password", "ID_SetSdPassword", 255, false, 2, "", "", "", "") \
  X(eET_UtEx1_RefreshHmiVars, 1425, eEFT_UtilEx1Elements, "Refresh HMI Vars. on LCD", "ID_RefreshHMI", 120, false, 2, "", "", "", "") \
  X(eET_UtEx1ETH_TcpFastConnect, 1426, eEFT_UtilEx1Elements, "TCP/IP TCP FAST CONNECT", "ID_TcpFastConnect", 193, false, 2, "", "", "", "") \
  X(eET_UtEx1ETH_TcpFastClose, 1427, eEFT_UtilEx1Elements, "TCP/IP TCP FAST CLOSE", "ID_TcpFastClose", 194, false, 2, "", "", "", "") \
  X(eET_IncrementElement, 1500, eEFT_0x1Elements, "INC", "ID_Increment", 53, true, 1, " INC ", "", "", "ID_SIncrement") \
  X(eET_DecrementElement, 1501, eEFT_0x1Elements, "DEC", "ID_Decrement", 54, true, 1, " DEC ", "", "", "ID_SDecrement") \
  X(eET_UtEx2_Sin, 1601, eEFT_UtilEx2Elements, "SIN", "ID_Sin", 217, false, 2, "", "", "", "") \
  X(eET_UtEx2_Cos, 1602, eEFT_UtilEx2Elements, "COS", "ID_Cos", 218, false, 2, "", "", "", "") \
  X(eET_UtEx2_tan, 1603, eEFT_UtilEx2Elements, "TAN", "ID_Tan", 219, false, 2, "", "", "", "") \
  X(eET_UtEx2_aSin, 1604, eEFT_UtilEx2Elements, "aSIN", "ID_aSin", 220, false, 2, "", "", "", "") \
  X(eET_UtEx2_aCos, 1605, eEFT_UtilEx2Elements, "aCOS", "ID_aCos", 221, false, 2, "", "", "", "") \
  X(eET_UtEx2_atan, 1606, eEFT_UtilEx2Elements, "aTAN", "ID_aTan", 222, false, 2, "", "", "", "") \
  X(eET_UtEx2_Exp, 1607, eEFT_UtilEx2Elements, "EXP", "ID_Exp", 214, false, 2, "", "", "", "") \
  X(eET_UtEx2_LN, 1608, eEFT_UtilEx2Elements, "LN", "ID_LN", 215, false, 2, "", "", "", "") \
  X(eET_UtEx2_Log10, 1609, eEFT_UtilEx2Elements, "LOG 10", "ID_Log10", 216, false, 2, "", "", "", "") \
  X(eET_UtEx2_Pow, 1610, eEFT_UtilEx2Elements, "POW F", "ID_PowerF", 213, false, 2, "", "", "", "") \
  X(eET_UtEx2_Sqrt, 1611, eEFT_UtilEx2Elements, "SQRT F", "ID_SqrtF", 212, false, 2, "", "", "", "") \
  X(eET_UtEx2_Abs, 1612, eEFT_UtilEx2Elements, "ABS", "ID_AbsF", 208, false, 2, "", "", "", "") \
  X(eET_UtEx2_AddF, 1613, eEFT_UtilEx2Elements, "ADD F", "ID_AddF", 197, false, 2, "", "", "", "") \
  X(eET_UtEx2_SubF, 1614, eEFT_UtilEx2Elements, "SUB F", "ID_SubF", 198, false, 2, "", "", "", "") \
  X(eET_UtEx2_MulF, 1615, eEFT_UtilEx2Elements, "MUL F", "ID_MulF", 199, false, 2, "", "", "", "") \
  X(eET_UtEx2_DivF, 1616, eEFT_UtilEx2Elements, "DIV F", "ID_DivF", 200, false, 2, "", "", "", "") \
  X(eET_UtEx2_FloatA10PB, 1617, eEFT_UtilEx2Elements, "A(10^B)", "ID_A10PB", 209, false, 2, "", "", "", "") \
  X(eET_UtEx2_FloatMI2MF, 1618, eEFT_UtilEx2Elements, "A + B/n", "ID_MI2MF", 210, false, 2, "", "", "", "") \
  X(eET_UtEx2_FloatMF2MI, 1620, eEFT_UtilEx2Elements, "INV (A + B/n)", "ID_MF2MI", 211, false, 2, "", "", "", "") \
  X(eET_UtEx2_Redians, 1621, eEFT_UtilEx2Elements, "RADIANS", "ID_Radians", 224, false, 2, "", "", "", "") \
  X(eET_UtEx2_Degrees, 1622, eEFT_UtilEx2Elements, "DEGREES", "ID_Degrees", 223, false, 2, "", "", "", "") \
  X(eET_UtEx2_FloatGT, 1623, eEFT_UtilEx2Elements, "Greater Than (Float)", "ID_GTF", 201, false, 2, "", "", "", "") \
  X(eET_UtEx2_FloatGE, 1624, eEFT_UtilEx2Elements, "Greater Equal (Float)", "ID_GEF", 202, false, 2, "", "", "", "") \
  X(eET_UtEx2_FloatEQ, 1625, eEFT_UtilEx2Elements, "Equal (Float)", "ID_EQF", 203, false, 2, "", "", "", "") \
  X(eET_UtEx2_FloatNE, 1626, eEFT_UtilEx2Elements, "Not Equal (Float)", "ID_NEF", 204, false, 2, "", "", "", "") \
  X(eET_UtEx2_FloatLE, 1627, eEFT_UtilEx2Elements, "Less Equal (Float)", "ID_LEF", 205, false, 2, "", "", "", "") \
  X(eET_UtEx2_FloatLT, 1628, eEFT_UtilEx2Elements, "Less Than (Float)", "ID_LTF", 206, false, 2, "", "", "", "") \
  X(eET_UtEx2_FloatStore, 1629, eEFT_UtilEx2Elements, "STORE F", "ID_StoreFloat", 225, false, 2, "", "", "", "") \
  X(eET_UtEx2_VectorConvert, 1630, eEFT_UtilEx2Elements, "Transpose", "ID_OffsetCopyVectEx", 131, false, 2, "", "", "", "") \
  X(eET_UtEx2_DBFind, 1631, eEFT_UtilEx2Elements, "DT FIND", "ID_DB_Find", 166, false, 2, "", "", "", "") \
  X(eET_UtEx2_FloatInRange, 1632, eEFT_UtilEx2Elements, "Within Range (Float)", "ID_InRangeF", 207, false, 2, "", "", "", "") \
  X(eET_UtEx2_DBFindEx, 1633, eEFT_UtilEx2Elements, "DT FIND (Extended)", "ID_DB_FindEx", 167, false, 2, "", "", "", "") \
  X(eET_UtEx2_EndInterval, 1634, eEFT_UtilEx2Elements, "End Interval", "ID_EndInterval", 231, false, 2, "", "", "", "") \
  X(eET_UtEx2_RFC_1305, 1635, eEFT_UtilEx2Elements, "RFC-1305", "ID_RFC1305", 232, false, 2, "", "", "", "") \
  X(eET_UtEx2_Formula, 1636, eEFT_UtilEx2Elements, "Formula", "ID_Formula", 95, false, 2, "", "", "", "") \
  X(eET_UtEx2_DB_CopyRows, 1637, eEFT_UtilEx2Elements, "DT COPY ROWS", "ID_DB_CopyRows", 183, false, 2, "", "", "", "") \
  X(eET_UtEx2_DB_CopyCol, 1638, eEFT_UtilEx2Elements, "DT COPY COLS", "ID_DB_CopyCol", 185, false, 2, "", "", "", "") \
  X(eET_UtEx2_Mac2Str, 1639, eEFT_UtilEx2Elements, "MAC To ASCII", "ID_MAC2Str", 137, false, 2, "", "", "", "") \
  X(eET_UtEx2_Struct, 1640, eEFT_UtilEx2Elements, "Struct", "ID_Struct", 106, false, 2, "", "", "", "") \
  X(eET_UtEx2_CANbusExSend, 1641, eEFT_UtilEx2Elements, "Corvanta CAN Send", "ID_CANbusExSend", 168, false, 2, "", "", "", "") \
  X(eET_UtEx2_DB_ClearRow, 1642, eEFT_UtilEx2Elements, "DT CLEAR ROW", "ID_DB_Clear_Row", 186, false, 2, "", "", "", "") \
  X(eET_UtEx2_DB_ClearCol, 1643, eEFT_UtilEx2Elements, "DT CLEAR COL", "ID_DB_Clear_Col", 187, false, 2, "", "", "", "") \
  X(eET_UtEx2_CANbusExCheck, 1644, eEFT_UtilEx2Elements, "Corvanta CAN Check Alive", "ID_CANbusExCheck", 169, false, 2, "", "", "", "") \
  X(eET_UtEx2_CANbusExSendAll, 1645, eEFT_UtilEx2Elements, "Corvanta CAN Send Broad Cast", "ID_CANbusExSendAll", 171, false, 2, "", "", "", "") \
  X(eET_UtEx2_CANbusExReceiveSignal, 1646, eEFT_UtilEx2Elements, "Corvanta CAN Message Arrived", "ID_CANbusExReceiveSignal", 170, false, 2, "", "", "", "") \
  X(eET_UtEx2_CANopenMiniConfig, 1647, eEFT_UtilEx2Elements, "CANopen Configuration", "ID_CANopenMiniConfig", 96, false, 2, "", "", "", "") \
  X(eET_UtEx2_CANopenMiniSendPdo, 1648, eEFT_UtilEx2Elements, "CANopen Send PDO", "ID_CANopenMiniSendPdo", 97, false, 2, "", "", "", "") \
  X(eET_UtEx2_CANopenMiniSendPdoRtr, 1649, eEFT_UtilEx2Elements, "CANopen Send PDO RTR", "ID_CANopenMiniSendPdoRtr", 98, false, 2, "", "", "", "") \
  X(eET_UtEx2_CANopenMiniSendSdo, 1650, eEFT_UtilEx2Elements, "CANopen Send SDO", "ID_CANopenMiniSendSdo", 99, false, 2, "", "", "", "") \
  X(eET_UtEx2_CANopenMiniSendNmt, 1651, eEFT_UtilEx2Elements, "CANopen Send NMT Control", "ID_CANopenMiniSendNmt", 100, false, 2, "", "", "", "") \
  X(eET_UtEx2_CANopenMiniSendNmtRtr, 1652, eEFT_UtilEx2Elements, "CANopen Send NMT Node Guard", "ID_CANopenMiniSendNmtRtr", 101, false, 2, "", "", "", "") \
  X(eET_UtEx2_CANopenMiniSYNC, 1653, eEFT_UtilEx2Elements, "CANopen SYNC", "ID_CANopenMiniSYNC", 104, false, 2, "", "", "", "") \
  X(eET_UtEx2_CANopenMiniTimeStamp, 1654, eEFT_UtilEx2Elements, "CANopen Time Stamp", "ID_CANopenMiniTimeStamp", 105, false, 2, "", "", "", "") \
  X(eET_UtEx2_CANopenSDO_DownloadSTR, 1655, eEFT_UtilEx2Elements, "SDO Download STR", "ID_CANopenSdoDownloadStr", 102, false, 2, "", "", "", "") \
  X(eET_UtEx2_CANopenSDO_UploadSTR, 1656, eEFT_UtilEx2Elements, "SDO Upload STR", "ID_CANopenSdoUploadStr", 103, false, 2, "", "", "", "") \
  X(eET_UtEx2_UDP_RAW_SEND, 1657, eEFT_UtilEx2Elements, "UDP RAW SEND", "ID_UdpRawSend", 173, false, 2, "", "", "", "") \
  X(eET_UtEx2_UDP_RAW_SCAN, 1658, eEFT_UtilEx2Elements, "UDP RAW SCAN", "ID_UdpRawScan", 174, false, 2, "", "", "", "") \
  X(eET_UtEx2_RowCANbus_Send, 1659, eEFT_UtilEx2Elements, "CAN Layer 2: Send Message Object", "ID_RowCANbusSend", 178, false, 2, "", "", "", "") \
  X(eET_UtEx2_RowCANbus_Scan, 1660, eEFT_UtilEx2Elements, "CAN Layer 2: Receive Message Object", "ID_RowCANbusScan", 179, false, 2, "", "", "", "") \
  X(eET_UtEx2_LastCallRecieved, 1661, eEFT_UtilEx2Elements, "Last Call Recieved", "ID_LastCallRecieved", 181, false, 2, "", "", "", "") \
  X(eET_UtEx2_Delay, 1662, eEFT_UtilEx2Elements, "Idle", "ID_Delay", 182, false, 2, "", "", "", "") \
  X(eET_UtEx2_ShowGroups, 1663, eEFT_UtilEx2Elements, "Show Groups", "ID_ShowGroups", 236, false, 2, "", "", "", "") \
  X(eET_UtEx2_ShowAlarms, 1664, eEFT_UtilEx2Elements, "Show Alarm", "ID_ShowAlarms", 237, false, 2, "", "", "", "") \
  X(eET_UtEx2_StrToNumVector, 1665, eEFT_UtilEx2Elements, "String to ASCII", "ID_StrToASCII", 250, false, 2, "", "", "", "") \
  X(eET_UtEx2_DB_SetColumnValue, 1666, eEFT_UtilEx2Elements, "DT COL VALUE", "ID_DB_Set_Col_Value", 188, false, 2, "", "", "", "") \
  X(eET_UtEx2_DB_DT_ToSD, 1667, eEFT_UtilEx2Elements, "Write Data Table to SD file (.qdt) (old)", "", 0, false, 2, "", "", "", "") \
  X(eET_UtEx2_DB_Log_ToSD, 1668, eEFT_UtilEx2Elements, "Log Data Table Row Line to SD file (.qlg)", "", 0, false, 2, "", "", "", "") \
  X(eET_UtEx2_Email, 1669, eEFT_UtilEx2Elements, "E-Mail", "ID_Email", 196, false, 2, "", "", "", "") \
  X(eET_UtEx2_ClearAlarmHistBuff, 1670, eEFT_UtilEx2Elements, "Clear Alarms History Buffer", "ID_ClearHistBuff", 238, false, 2, "", "", "", "") \
  X(eET_UtEx2_TCP_RAW_SEND, 1671, eEFT_UtilEx2Elements, "TCP RAW SEND", "ID_TcpRawSend", 175, false, 2, "", "", "", "") \
  X(eET_UtEx2_TCP_RAW_SCAN, 1672, eEFT_UtilEx2Elements, "TCP RAW SCAN", "ID_TcpRawScan", 176, false, 2, "", "", "", "") \
  X(eET_UtEx2_DB_SD_ToDT, 1673, eEFT_UtilEx2Elements, "Read .qdt file from SD to PLC Data Table", "ID_SDtoDT", 258, false, 2, "", "", "", "") \
  X(eET_UtEx2_FrequencyFromHSC, 1674, eEFT_UtilEx2Elements, "Frequency Measurement", "ID_FrequencyFromHSC", 259, false, 2, "", "", "", "") \
  X(eET_UtEx2_FuncLib, 1675, eEFT_UtilEx2Elements, "Function Library", "ID_FuncLib", 262, false, 2, "", "", "", "") \
  X(eET_UtEx2_StopFreqMeasure, 1676, eEFT_UtilEx2Elements, "Stop Frequency Measurement", "ID_StopFreqMeasure", 260, false, 2, "", "", "", "") \
  X(eET_UtEx2_ResetHSC, 1677, eEFT_UtilEx2Elements, "Reset HSC", "ID_ResetHSC", 261, false, 2, "", "", "", "") \
  X(eET_UtEx2_ByteMapping, 1678, eEFT_UtilEx2Elements, "Map Bytes", "ID_ByteMapping", 263, false, 2, "", "", "", "") \
  X(eET_UtEx2_TblAtIndexFromSD2PLC, 1679, eEFT_UtilEx2Elements, "Read .qdt file from SD to PLC DT (old)", "ID_SDtoDTByIndex", 264, false, 2, "", "", "", "") \
  X(eET_UtEx2_J1939Config, 1680, eEFT_UtilEx2Elements, "J1939 Configuration", "ID_J1939Config", 265, false, 2, "", "", "", "") \
  X(eET_UtEx2_J1939Command, 1681, eEFT_UtilEx2Elements, "", "", 0, false, 2, "", "", "", "") \
  X(eET_UtEx2_J1939Request, 1682, eEFT_UtilEx2Elements, "", "", 0, false, 2, "", "", "", "") \
  X(eET_UtEx2_J1939SendPGN, 1683, eEFT_UtilEx2Elements, "J1939 Send PGN", "ID_J1939SendPGN", 266, false, 2, "", "", "", "") \
  X(eET_UtEx2_WritePlcMemToSD, 1684, eEFT_UtilEx2Elements, "Write from Operand Vector to SD Block (.qdb)", "ID_SD_Mem_From_PLC", 300, false, 2, "", "", "", "") \
  X(eET_UtEx2_WriteSdMemToPLC, 1685, eEFT_UtilEx2Elements, "Read from SD Block (.qdb) to Operand Vector", "ID_SD_Mem_To_PLC", 299, false, 2, "", "", "", "") \
  X(eET_UtEx2_ReadDtRowToVector, 1686, eEFT_UtilEx2Elements, "Copy DT Row to perand vector", "ID_DB_Read_Line_To_Vec", 302, false, 2, "", "", "", "") \
  X(eET_UtEx2_WriteVectorToDtRow, 1687, eEFT_UtilEx2Elements, "Copy operand vector to DT Row", "ID_DB_Write_Vec_To_DT", 301, false, 2, "", "", "", "") \
  X(eET_UtEx2_TCP_ping, 1688, eEFT_UtilEx2Elements, "PING", "ID_TcpPing", 177, false, 2, "", "", "", "") \
  X(eET_UtEx2_SDCreateFile, 1689, eEFT_UtilEx2Elements, "Create Data Block on SD card", "ID_SDCreateFile", 298, false, 2, "", "", "", "") \
  X(eET_UtEx2_J1939TransPGN, 1690, eEFT_UtilEx2Elements, "J1939 Transmission of PGN", "ID_J1939TransPGN", 304, false, 2, "", "", "", "") \
  X(eET_UtEx2_SDOpenFile, 1691, eEFT_UtilEx2Elements, "Read from SD File: Open", "ID_SDOpenFile", 297, false, 2, "", "", "", "") \
  X(eET_UtEx2_SDReadToOperand, 1692, eEFT_UtilEx2Elements, "Read Next Chunk from SD File", "ID_SDReadToOperand", 296, false, 2, "", "", "", "") \
  X(eET_UtEx2_SDCloseFile, 1693, eEFT_UtilEx2Elements, "Read from SD File: Close", "ID_SDCloseFile", 295, false, 2, "", "", "", "") \
  X(eET_UtEx2_J1939TransForRequest, 1694, eEFT_UtilEx2Elements, "J1939 Transmission for Request", "ID_J1939TransForRequest", 294, false, 2, "", "", "", "") \
  X(eET_UtEx2_DF1_SCAN, 1695, eEFT_UtilEx2Elements, "DF1 SCAN", "ID_DF1SCAN", 293, false, 2, "", "", "", "") \
  X(eET_UtEx2_SNMP_TRAP, 1696, eEFT_UtilEx2Elements, "SNMP TRAP", "ID_SnmpTrap", 292, false, 2, "", "", "", "") \
  X(eET_UtEx2_CSV_Line, 1697, eEFT_UtilEx2Elements, "Create Excel Delimited Line", "ID_CSVLine", 291, false, 2, "", "", "", "") \
  X(eET_UtEx2_SDOpenFile_Write, 1698, eEFT_UtilEx2Elements, "Write to SD File: Open", "ID_SDOpenFileWrite", 290, false, 2, "", "", "", "") \
  X(eET_UtEx2_SDWriteChunk, 1699, eEFT_UtilEx2Elements, "Write Next Chunk to SD File", "ID_SDWriteChunk", 289, false, 2, "", "", "", "") \
  X(eET_UtEx2_SDCloseFile_Write, 1801, eEFT_UtilEx2Elements, "Write to SD File: Close", "ID_SDCloseFileWrite", 288, false, 2, "", "", "", "") \
  X(eET_UtEx2_SDNumberOfFiles, 1802, eEFT_UtilEx2Elements, "Get Number of files that can be stored", "ID_SDNumberOfFiles", 287, false, 2, "", "", "", "") \
  X(eET_UtEx2_WriteCSVFile, 1803, eEFT_UtilEx2Elements, "Write Delimited Line", "ID_CSVWrite", 286, false, 2, "", "", "", "") \
  X(eET_UtEx2_DB_Log_ToSD_New, 1804, eEFT_UtilEx2Elements, "Log Data Table Row Line to SD file (.qlg)", "ID_LogToSD", 254, false, 2, "", "", "", "") \
  X(eET_UtEx2_DB_DT_ToSD_New, 1805, eEFT_UtilEx2Elements, "Write Data Table to SD file (.qdt)", "ID_DTtoSD", 253, false, 2, "", "", "", "") \
  X(eET_UtEx2_SD_Delete_File, 1806, eEFT_UtilEx2Elements, "Delete SD File", "ID_SDDeleteFile", 285, false, 2, "", "", "", "") \
  X(eET_UtEx2_SD_File_Info, 1807, eEFT_UtilEx2Elements, "SD File Info", "ID_SDFileInfo", 283, false, 2, "", "", "", "") \
  X(eET_UtEx2_Search_Key_Qdt, 1808, eEFT_UtilEx2Elements, "Search for Key or Index in QDT File", "ID_SDSearchKey", 282, false, 2, "", "", "", "") \
  X(eET_UtEx2_RDS, 1809, eEFT_UtilEx2Elements, "Telegram Parser", "ID_RDS", 281, false, 2, "", "", "", "") \
  X(eET_UtEx2_CAN_Layer_2Ex, 1810, eEFT_UtilEx2Elements, "CAN Layer 2: Scan Ex API", "ID_CANLayerEx", 180, false, 2, "", "", "", "") \
  X(eET_UtEx2_SetSNMPName, 1811, eEFT_UtilEx2Elements, "Set SNMP Community Name", "ID_SetSNMPName", 280, false, 2, "", "", "", "") \
  X(eET_UtEx2_SD_Periodic_Exist_Check, 1812, eEFT_UtilEx2Elements, "", "", 0, false, 2, "", "", "", "") \
  X(eET_UtEx2_SD_Safely_Remove, 1813, eEFT_UtilEx2Elements, "SD Safely Remove", "ID_SDSafelyRemove", 279, false, 2, "", "", "", "") \
  X(eET_UtEx2_SD_Clone, 1814, eEFT_UtilEx2Elements, "SD Clone", "ID_SDClone", 278, false, 2, "", "", "", "") \
  X(eET_UtEx2_Backup_Security, 1815, eEFT_UtilEx2Elements, "Backup Security", "ID_BKSecurity", 277, false, 2, "", "", "", "") \
  X(eET_UtEx2_DNS_Client, 1816, eEFT_UtilEx2Elements, "DNS Resolver", "ID_DNSResolver", 276, false, 2, "", "", "", "") \
  X(eET_UtEx2_DB_DelRows, 1817, eEFT_UtilEx2Elements, "DT DELETE ROWS", "ID_DB_DelRows", 184, false, 2, "", "", "", "") \
  X(eET_UtEx2_SD_Rename_File, 1818, eEFT_UtilEx2Elements, "Rename SD File", "ID_SDRenameFile", 284, false, 2, "", "", "", "") \
  X(eET_UtEx2_PTO_Set_Profile, 1819, eEFT_UtilEx2Elements, "PTO Set Profile", "ID_PTOSetProfile", 275, false, 2, "", "", "", "") \
  X(eET_UtEx2_PTO_Move, 1820, eEFT_UtilEx2Elements, "PTO Move", "ID_PTOMove", 274, false, 2, "", "", "", "") \
  X(eET_UtEx2_PTO_Read_Status, 1821, eEFT_UtilEx2Elements, "PTO Read Status", "ID_PTOReadStatus", 273, false, 2, "", "", "", "") \
  X(eET_UtEx2_PTO_Stop, 1822, eEFT_UtilEx2Elements, "PTO Stop", "ID_PTOStop", 272, false, 2, "", "", "", "") \
  X(eET_UtEx2_PTO_Configuration, 1823, eEFT_UtilEx2Elements, "PTO Configuration", "ID_PTOConfig", 271, false, 2, "", "", "", "") \
  X(eET_UtEx2_Last_IP_Port, 1824, eEFT_UtilEx2Elements, "Last Remote IP Port", "ID_LastIP", 270, false, 2, "", "", "", "") \
  X(eET_UtEx2_PTO_Set_Home, 1825, eEFT_UtilEx2Elements, "PTO Set Home", "ID_PTOSetHome", 269, false, 2, "", "", "", "") \
  X(eET_UtEx2_PLC_Key, 1826, eEFT_UtilEx2Elements, "PLC Key", "ID_PLCKey", 268, false, 2, "", "", "", "") \
  X(eET_UtEx2_Licensing, 1827, eEFT_UtilEx2Elements, "Licensing", "", 0, false, 2, "", "", "", "") \
  X(eET_UtEx2_PTO_Stop_Now, 1828, eEFT_UtilEx2Elements, "PTO Stop Immediately", "ID_PTOStopNow", 267, false, 2, "", "", "", "") \
  X(eET_UtEx2_ProfiBus_Config, 1829, eEFT_UtilEx2Elements, "ProfiBus Configuration", "ID_ProfiBusConfig", 172, false, 2, "", "", "", "") \
  X(eET_UtEx2_PTO_Read_Immediate, 1830, eEFT_UtilEx2Elements, "Immediate Read HSO Position", "ID_ReadPTO", 305, false, 2, "", "", "", "") \
  X(eET_InRange, 1701, eEFT_InRangeElements, "Within Range", "ID_LInRange", 20, false, 3, "B <= A <= C", "", "", "ID_InRange") \
  X(eET_StoreIndirectMI_Ex, 1901, eEFT_StoreElementsEx, "STI [MI]", "ID_LStoreIndirectMI", 70, false, 2, "STI [MI]", "", "", "ID_StoreIndirectMI") \
  X(eET_StoreIndirectSI_Ex, 1902, eEFT_StoreElementsEx, "STI [SI]", "ID_LStoreIndirectSI", 71, false, 2, "STI [SI]", "", "", "ID_StoreIndirectSI") \
  X(eET_StoreIndirectML_Ex, 1903, eEFT_StoreElementsEx, "STI [ML]", "ID_StoreIndirectML", 72, false, 2, "STI [ML]", "", "", "ID_StoreIndirectML") \
  X(eET_StoreIndirectSL_Ex, 1904, eEFT_StoreElementsEx, "STI [SL]", "ID_StoreIndirectSL", 73, false, 2, "STI [SL]", "", "", "ID_StoreIndirectSL") \
  X(eET_StoreIndirectDW_Ex, 1905, eEFT_StoreElementsEx, "STI [DW]", "ID_StoreIndirectDW", 74, false, 2, "STI [DW]", "", "", "ID_StoreIndirectDW") \
  X(eET_StoreIndirectSDW_Ex, 1906, eEFT_StoreElementsEx, "STI [SDW]", "ID_StoreIndirectSDW", 75, false, 2, "STI [SDW]", "", "", "ID_StoreIndirectSDW") \
  X(eET_FunctionBlockFirst, 100000, eEFT_FunctionBlockElements, "", "", 0, false, 2, "", "", "", "") \
  X(eET_FunctionBlockLast, 999999, eEFT_FunctionBlockElements, "", "", 0, false, 2, "", "", "", "")
// clang-format on
