#include "calc/payroll_assets/severance_release_deed.h"

QStringList ReleaseDeedLines(const EmployeeFields& employee)
{
    const QString exit = StatementDate(employee.exit);
    // The suffixes ".den" and " ni" are fixed wording; they do not follow the company name's vowels.
    return {
        QString(29, ' ') + "İ B R A N A M E ",
        " ",
        StatementDate(employee.entry) + " Tarihinden bu güne kadar çalıştığım ",
        employee.company + ".den ayrılış tarihim olan " + exit,
        "tarihine kadar geçen çalışma sürem boyunca bütün ücretimi ve primlerimi tamamen almış ",
        "bulunduğumu, bundan başka ayrıca hafta tatili ve genel tatil günlerinde, kanunen ödenmesi",
        "gereken ücretlerimle, yapmış olduğum fazla mesailer karşılığı ücretlerimi, yıllık ücretli",
        "izinlerimi ve ayrılış sırasında yıllık ücretli izine karşılık olan ücretimi ve benzeri",
        "bilcümle alacaklarımı, İhbar ve Kıdem Tazminatımı tamamen almış olduğumu beyan ve kabul",
        "ederim. Böylece adı geçen Şirketten her türlü alacağımı eksiksiz almış bulunduğumu ve",
        "ücret, prim, fazla mesai ücreti, yolluk, İhbar ve Kıdem Tazminatı gibi veya bunların ",
        "hizmet akdinden, Toplu İş Sözleşmesinden veya kanuni haklarımdan dolayı hiç bir şekilde ve",
        "surette alacağım kalmadığını ve bir hak talebinde bulunmayacağımı ikrarla ",
        employee.company + " ni tekmil alacaklarımdan tam bir şekilde ibra eylerim.",
        " ",
        " ",
        "İbra edenin:",
        "Adı Soyadı\t\t:" + employee.name,
        "Sicil Numarası      :" + employee.registerNo,
        "Tarih \t\t\t:" + exit,
        "İmza\t\t\t:",
    };
}
