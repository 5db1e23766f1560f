#include "compiler/CompileQueries.h"

namespace ldr {

#define LDR_CONFIG_JOIN                                                                                                \
  "(LdrFunctions INNER JOIN LdrStrips ON (LdrFunctions.FuncID = LdrStrips.FuncID) AND (LdrFunctions.FuncID = "         \
  "LdrStrips.FuncID)) LEFT JOIN LdrElements ON LdrStrips.StripID = LdrElements.StripID "

const char* const CompileQueries::kJumpDestinations =
    "SELECT Strps.* FROM LdrStrips AS Strps WHERE (((Strps.StrpType In (1,4)) AND (Strps.IsCompilable=-1)) OR "
    "(Strps.StrpType =3)) ORDER BY Strps.FuncID, Strps.SeqNum";

const char* const CompileQueries::kPageDestinations = "SELECT Id FROM Pages ORDER BY Id";

const char* const CompileQueries::kPowerupOperands =
    "SELECT OprndType,OprndAddress,NetworkID,OprndPowerup FROM LdrOperands WHERE (OprndEnablePowerUp=-1) "
    "ORDER BY OprndType,OprndAddress,NetworkID";

const char* const CompileQueries::kNetsWithConfigFBs =
    "SELECT LdrStrips.* FROM " LDR_CONFIG_JOIN
    "WHERE ((LdrElements.ElmntType % 100)=1) AND (LdrElements.ElmntType > 100000) "
    "ORDER BY LdrElements.StripID, LdrElements.ElmntID";

const char* const CompileQueries::kNetsWithJumps =
    "SELECT LdrStrips.* FROM " LDR_CONFIG_JOIN
    "WHERE (((LdrElements.ElmntType) In (600,601,603,1225,1251)) AND (LdrStrips.IsCompilable<>2)) OR "
    "(((LdrFunctions.FunctionType)=1) AND ((LdrStrips.StrpType)=4))";

const char* const CompileQueries::kSelectedNets =
    "SELECT Strps.* , LdrFunctions.MdlID FROM LdrStrips AS Strps INNER JOIN LdrFunctions ON Strps.FuncID = "
    "LdrFunctions.FuncID WHERE (((Strps.IsCompilable)=-1) AND ((Strps.StrpType) In (1,4)) AND "
    "((Strps.IsSelected)=-1)) ORDER BY Strps.FuncID, Strps.SeqNum";

const char* const CompileQueries::kNetsHeads =
    "SELECT * FROM LdrStrips WHERE ((FuncID*10000)+SeqNum) IN (SELECT ((FuncID*10000)+ Min(SeqNum)) AS MyKey "
    "FROM LdrStrips WHERE IsCompilable<>2 AND StrpType IN(1,4) GROUP BY FuncID) ORDER BY FuncID";

const char* const CompileQueries::kNetsForCompile =
    "SELECT LdrFunctions.MdlID, Strps.* FROM LdrStrips AS Strps INNER JOIN LdrFunctions ON Strps.FuncID = "
    "LdrFunctions.FuncID WHERE ((Strps.IsCompilable=-1) AND (Strps.StrpType In (1,4))) AND "
    "((Strps.CompileDirtyBit=-1) OR (Strps.ProblemsType<>0)) ORDER BY LdrFunctions.MdlID, Strps.FuncID, "
    "Strps.SeqNum";

const char* const CompileQueries::kFullDownload =
    "SELECT Strps.* FROM LdrStrips AS Strps WHERE ( ((((Strps.IsCompilable)=-1) AND (Strps.TokensAmount>0))) OR "
    "(Strps.StrpType=3) ) ORDER BY Strps.FuncID, Strps.SeqNum";

const char* const CompileQueries::kPartialDownload =
    "SELECT Strps.* FROM LdrStrips AS Strps, LdrFunctions As Funcs, DownloadDLUs as DLUs WHERE (Strps.FuncID = "
    "Funcs.FuncID) AND (Funcs.Guid=DLUs.Guid) And DLUs.IsCompiled=0 AND ( ( ((((Strps.IsCompilable)=-1) AND "
    "(Strps.TokensAmount>0))) OR (Strps.StrpType=3) ) ) ORDER BY Strps.FuncID, Strps.SeqNum";

const char* const CompileQueries::kNetsWithRiseFall =
    "SELECT DISTINCT LdrStrips.* FROM LdrStrips INNER JOIN LdrElements ON LdrStrips.StripID = LdrElements.StripID "
    "WHERE ((LdrStrips.TokensAmount>0) AND (LdrStrips.IsCompilable<>2) AND (LdrElements.ElmntType) In (202,203)) "
    "ORDER BY LdrStrips.StripID";

const char* const CompileQueries::kNetsWithRiseFallKey = "StripID";

const char* const CompileQueries::kStripByID = "SELECT * FROM LdrStrips WHERE StripID=?";

const char* const CompileQueries::kFunctionsForConflicts =
    "SELECT MdlID,FuncID FROM LdrFunctions WHERE FunctionType<>1 ORDER BY MdlID,FuncID";

#undef LDR_CONFIG_JOIN

} // namespace ldr
