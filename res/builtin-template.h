#pragma once
// The built-in template: data of the output, not a text for the user, so the same bytes in
// every language's string table. Names are written as markup would read them: no name can
// end the link's attribute or add markup of its own.
#define QM_TEMPLATE_HEADER_TEXT "<html>\r\n<head>\r\n<title> Quillmark OUTPUT</title>\r\n</head>\r\n<body>\r\n"
#define QM_TEMPLATE_REPEAT_TEXT "<p><a href=""%PATH:html%"">%FILE:html% %SIZE%Bytes %DATE% %ATTRIBUTES%</a></p>"
#define QM_TEMPLATE_FOOTER_TEXT "</body>\r\n</html>\r\n"
